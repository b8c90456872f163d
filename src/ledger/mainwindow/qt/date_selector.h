// The date selector DateDialFrame: a small prompt inside the main window that asks for
// one date and waits for the answer while the rest of the window stays live.
//
// A command calls ask(); the frame shows the question and a date that only its
// buttons change (one day, 30 days or 365 days either way, today). The wait ends when
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

class QLabel;
class QLineEdit;
class QPushButton;

namespace qbk {

class QBK_3_Main;

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
    bool asking() const { return asking_; }

    // The date text shown.
    std::string displayText() const;
    void setDisplayText(const std::string& text);

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
    QBK_3_Main& window_;
    QLabel* DateDialDialog = nullptr;
    QLineEdit* DateDialDisplay = nullptr;
    QPushButton* DateDialOK = nullptr;
    bool asking_ = false;
    bool abandoned_ = false;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_DATE_SELECTOR_H_
