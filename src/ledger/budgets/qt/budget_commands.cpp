#include "budgets/qt/budget_commands.h"

#include <QTabWidget>
#include <QTableView>

#include "budgets/qt/budget_window.h"
#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"
#include "platform/windows1252.h"
#include "reports/report_captions.h"

namespace qbk {

BudgetCommands::BudgetCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("BudgetCommands"));
    window.setCommand("mu_Budget", [this] { mu_Budget_Click(); });
    window.setCommand("mu_BudgetRange", [this] { mu_BudgetRange_Click(); });
}

BudgetWindow* BudgetCommands::budgetWindow() const {
    return budgetWindow_;
}

void BudgetCommands::mu_Budget_Click() {
    open(BudgetWindow::Plan);
}

void BudgetCommands::mu_BudgetRange_Click() {
    open(BudgetWindow::View);
}

void BudgetCommands::open(int tab) {
    const MainState& state = window_.state();
    BudgetWindow::Book book;
    book.dataFolder = state.DataFolder;
    book.fiscal = {state.ProgramSettings.fyMonth(), state.ProgramSettings.fyDay()};
    book.fiscalYear = state.FYStartYear;
    const auto first = window_.regional().parseDate(state.RangeStart);
    const auto last = window_.regional().parseDate(state.RangeEnd);
    book.first = first.value_or(0);
    book.last = last.value_or(-1);
    book.rangeLabel = "Budget against actual for " + state.RangeStart + " through " +
                      state.RangeEnd + ", inclusive";
    book.ownerName = state.ProgramSettings.ownerName();
    book.today = window_.services().clock.today();
    book.captionLanguage =
        reportCaptionLanguage(window_.services().programFolder, utf8(installedLanguage()));
    if (budgetWindow_) budgetWindow_->close();
    auto* budget = new BudgetWindow(std::move(book), window_.regional(), window_.prompts(),
                                    window_.services().printer, &window_);
    connect(budget, &BudgetWindow::categoryChosen, this, &BudgetCommands::narrowTo);
    budget->tabs()->setCurrentIndex(tab);
    budget->show();
    budgetWindow_ = budget;
}

void BudgetCommands::narrowTo(const std::string& code) {
    window_.listCategory(code);
}

}  // namespace qbk
