#include "app/qt/controllers.h"

#include "budgets/qt/budget_commands.h"
#include "charts/qt/chart_commands.h"
#include "import/qt/import_commands.h"
#include "macros/qt/macro_commands.h"
#include "mainwindow/qt/category_frame.h"
#include "mainwindow/qt/cleared_commands.h"
#include "mainwindow/qt/date_selector.h"
#include "mainwindow/qt/entry_form.h"
#include "mainwindow/qt/maintenance_commands.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/range_commands.h"
#include "mainwindow/qt/search_commands.h"
#include "mainwindow/qt/undo_commands.h"
#include "reports/qt/report_mode.h"
#include "schedules/qt/schedule_commands.h"
#include "tools/qt/accessory_commands.h"

namespace qbk {

void installControllers(QBK_3_Main& window) {
    auto* entryForm = new EntryForm(window);
    auto* dateSelector = new DateSelector(window);
    new RangeCommands(window, *dateSelector);
    new SearchCommands(window);
    new CategoryFrameCommands(window);
    new MaintenanceCommands(window);
    new UndoCommands(window);
    new ClearedCommands(window);
    new ReportMode(window);
    new MacroCommands(window, *dateSelector, *entryForm);
    new ImportCommands(window);
    new AccessoryCommands(window);
    new ChartCommands(window);
    new ScheduleCommands(window, *dateSelector);
    new BudgetCommands(window);
}

}  // namespace qbk
