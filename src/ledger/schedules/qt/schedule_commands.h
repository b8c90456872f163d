// Schedules in the window: the coming-due dialog at start-up, whenever the date changes
// while the window is open, and from Records, "Coming Due..."; and the Range menu's
// "Forecast...", which continues the list past today with the planned entries of the
// schedules and a running balance, and names the lowest balance ahead in the status bar.
#ifndef QBK_SCHEDULES_QT_SCHEDULE_COMMANDS_H_
#define QBK_SCHEDULES_QT_SCHEDULE_COMMANDS_H_

#include <QObject>

#include "mainwindow/list_refresh.h"
#include "platform/dates.h"

class QTimer;

namespace qbk {

class DateSelector;
class QBK_3_Main;

class ScheduleCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches the menu items, the start-up step and the list's continuation; owned by
    // `window`. The forecast asks for its last day with `dates`.
    ScheduleCommands(QBK_3_Main& window, DateSelector& dates);

    // The entries due through today: none shows nothing (by hand: says so); with the
    // setting on (and not by hand) they are posted at once; otherwise the coming-due
    // dialog lets the user post all, some or none. Posting is one change of the book,
    // checked again under its lock, so an entry another program posted meanwhile is
    // not posted twice.
    void checkDue(bool byHand);
    void mu_ComingDue_Click() { checkDue(true); }

    // Asks the last day ahead and shows the list continued to it.
    void mu_Forecast_Click();

  private:
    // Called after each list refresh: adds the planned rows and balances when a
    // forecast is shown.
    void continueList(const ListQuery& query);
    // Posts every entry due through `through`, as one change.
    void postAll(DaySerial through);
    // The balance column stands to the right of the amounts (it is the model's last).
    void showBalanceBesideTheAmount();
    void watchTheDate();

    QBK_3_Main& window_;
    DateSelector& dates_;
    QTimer* dayTimer_ = nullptr;
    DaySerial lastChecked_ = 0;
};

}  // namespace qbk

#endif  // QBK_SCHEDULES_QT_SCHEDULE_COMMANDS_H_
