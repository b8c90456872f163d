// The date selector DateDialFrame: a small prompt inside the main window that asks for
// one date and waits for the answer while the rest of the window stays live.
//
// A command calls ask(); the frame shows the question and a date box: the date is typed
// in the regional short date form, picked from the box's calendar, or stepped with the
// buttons (one day, 30 days or 365 days either way, today). askRange() asks for two
// dates at once in two such boxes; the buttons step the box last used. Enter in a box
// accepts, as DateDialOK does. The wait ends when
//   - DateDialOK is pressed: the frame hides and the date shown is the answer;
//   - Esc is pressed (the window sets DateDialDone): the date shown is the answer;
//   - DateDialQuit is pressed, or the window closes: the command is abandoned and
//     ask() returns nullopt. The caller then leaves everything as it was.
// One question is asked at a time: an ask() while another waits returns nullopt.
#ifndef QBK_MAINWINDOW_QT_DATE_SELECTOR_H_
#define QBK_MAINWINDOW_QT_DATE_SELECTOR_H_

#include <QObject>
#include <optional>
#include <string>
#include <utility>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qbk {

class QBK_3_Main;
class TypedDateBox;

class DateSelector : public QObject {
    Q_OBJECT
  public:
    // Fills the window's DateDialFrame; owned by the window.
    explicit DateSelector(QBK_3_Main& window);

    // Asks `question`, starting from the date text `start` (nullopt: from the date the
    // selector shows already), and waits. The date text chosen, or nullopt when the
    // question was abandoned.
    std::optional<std::string> ask(const std::string& question,
                                   const std::optional<std::string>& start);
    // Asks for a range: the earliest and the latest date, starting from `start` and
    // `end`. Both date texts, or nullopt when the question was abandoned.
    std::optional<std::pair<std::string, std::string>> askRange(const std::string& start,
                                                                const std::string& end);
    bool asking() const { return asking_; }

    // The date text shown (the earliest of a range).
    std::string displayText() const;
    void setDisplayText(const std::string& text);
    std::string latestText() const;

    // The buttons.
    void DateDialOK_Click();
    void DateDialQuit_Click();
    void DateDialToday_Click();
    void step(int days);

  signals:
    // A question is shown and the wait begins.
    void waiting();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The question, the date boxes with their labels; the step buttons; OK and Quit.
    void createDateBoxes(QGridLayout* grid);
    void createStepButtons(QGridLayout* grid);
    void createAnswerButtons(QGridLayout* grid);
    // Shows the frame and waits; false when abandoned.
    bool wait(const std::string& question, bool range);

    QBK_3_Main& window_;
    QLabel* DateDialDialog = nullptr;
    QLabel* DateDialSelectionLabel = nullptr;
    TypedDateBox* DateDialDisplay = nullptr;
    QLabel* DateDialLatestLabel = nullptr;
    TypedDateBox* DateDialLatest = nullptr;
    // The box the step buttons change.
    TypedDateBox* stepped_ = nullptr;
    QPushButton* DateDialOK = nullptr;
    bool asking_ = false;
    bool abandoned_ = false;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_DATE_SELECTOR_H_
