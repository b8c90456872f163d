// The R&ange menu: the default range, the current, previous and next fiscal year, a
// number of days back from today, and two dates chosen with the date selector. Every
// item ends by rebuilding the list with the current search (in report mode only the
// range and its label change).
#ifndef QBK_MAINWINDOW_QT_RANGE_COMMANDS_H_
#define QBK_MAINWINDOW_QT_RANGE_COMMANDS_H_

#include <QObject>

namespace qbk {

class DateSelector;
class QBK_3_Main;

class RangeCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches the menu items; owned by the window.
    RangeCommands(QBK_3_Main& window, DateSelector& selector);

    void mu_DefaultRange_Click();
    void mu_FiscalYear_Click();
    void mu_previousYear_Click();
    void mu_NextYear_Click();
    // Asks the earliest and then the latest date until the two make a range. Quit in
    // the date selector keeps the range that was shown before.
    void mu_SelectDates_Click();
    void days(int numDays);

  private:
    void showFiscalYear();
    void finish();

    QBK_3_Main& window_;
    DateSelector& selector_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_RANGE_COMMANDS_H_
