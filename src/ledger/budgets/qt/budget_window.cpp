#include "budgets/qt/budget_window.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "budgets/budget_report.h"
#include "budgets/qt/budget_charts.h"
#include "platform/book_lock.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/readable_colours.h"
#include "platform/windows1252.h"
#include "reports/print_pages.h"
#include "reports/report_output.h"
#include "store/amount.h"
#include "store/book_files.h"
#include "store/budget_file.h"
#include "store/category_record.h"

namespace qbk {
namespace {

QTableWidgetItem* fixedItem(const QString& text, bool right = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* amountItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

BudgetWindow::BudgetWindow(Book book, const RegionalSettings& regional, Prompts& prompts,
                           Printer& printer, QWidget* parent)
    : QWidget(parent, Qt::Window),
      book_(std::move(book)),
      regional_(regional),
      prompts_(prompts),
      printer_(printer) {
    setObjectName(QStringLiteral("BudgetWindow"));
    setWindowTitle(tr("Budget"));
    setAttribute(Qt::WA_DeleteOnClose);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("BudgetTabs"));
    createPlanTab();
    createViewTab();
    createChartTab();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(1180, 560);
    reload();
}

void BudgetWindow::createPlanTab() {
    auto* page = new QWidget;
    yearBox_ = new QSpinBox;
    yearBox_->setObjectName(QStringLiteral("FiscalYearBox"));
    yearBox_->setAccessibleName(tr("Fiscal year"));
    yearBox_->setRange(100, 9998);
    yearBox_->setValue(book_.fiscalYear);
    saveButton_ = new QPushButton(tr("&Save"));
    saveButton_->setObjectName(QStringLiteral("SaveBudgetButton"));
    auto* revert = new QPushButton(tr("&Revert"));
    revert->setObjectName(QStringLiteral("RevertBudgetButton"));
    auto* yearLabel = new QLabel(tr("Fiscal &year beginning in"));
    yearLabel->setBuddy(yearBox_);
    auto* hint =
        new QLabel(tr("Type an amount a month, or one in \"Every month\" for all twelve; money out "
                      "with a minus sign (-400)."));
    hint->setWordWrap(true);

    planGrid_ = new QTableWidget;
    planGrid_->setObjectName(QStringLiteral("BudgetGrid"));
    planGrid_->setAccessibleName(tr("Budget per category and month"));
    planGrid_->verticalHeader()->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(yearLabel);
    top->addWidget(yearBox_);
    top->addStretch();
    top->addWidget(revert);
    top->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(hint);
    layout->addWidget(planGrid_);
    tabs_->addTab(page, tr("&Plan"));

    connect(yearBox_, &QSpinBox::valueChanged, this, [this] {
        loadPlan();
        loadCharts();
    });
    connect(revert, &QPushButton::clicked, this, [this] { loadPlan(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveBudget(); });
    connect(planGrid_, &QTableWidget::cellChanged, this, &BudgetWindow::planCellChanged);
}

void BudgetWindow::createViewTab() {
    auto* page = new QWidget;
    viewLabel_ = new QLabel;
    viewLabel_->setObjectName(QStringLiteral("BudgetRangeLabel"));
    viewGrid_ = new QTableWidget;
    viewGrid_->setObjectName(QStringLiteral("BudgetViewGrid"));
    viewGrid_->setAccessibleName(tr("Budget against actual"));
    viewGrid_->verticalHeader()->hide();
    viewGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    viewGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* print = new QPushButton(tr("P&rint"));
    print->setObjectName(QStringLiteral("PrintBudgetButton"));
    auto* pdf = new QPushButton(tr("P&DF..."));
    pdf->setObjectName(QStringLiteral("BudgetPdfButton"));
    auto* text = new QPushButton(tr("&Text File..."));
    text->setObjectName(QStringLiteral("BudgetTextButton"));
    auto* csv = new QPushButton(tr("E&xport CSV..."));
    csv->setObjectName(QStringLiteral("BudgetCsvButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(viewLabel_);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(text);
    buttons->addWidget(csv);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(buttons);
    layout->addWidget(viewGrid_);
    tabs_->addTab(page, tr("&Budget"));
    connect(print, &QPushButton::clicked, this, [this] { printReport(); });
    connect(pdf, &QPushButton::clicked, this, [this] { saveReportAsPdf(); });
    connect(text, &QPushButton::clicked, this, [this] { writeReportFile(false); });
    connect(csv, &QPushButton::clicked, this, [this] { writeReportFile(true); });
    connect(viewGrid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { viewCellDoubleClicked(row); });
}

void BudgetWindow::createChartTab() {
    auto* page = new QWidget;
    categoryChart_ = new QChartView;
    categoryChart_->setObjectName(QStringLiteral("BudgetCategoryChart"));
    categoryChart_->setAccessibleName(tr("Budget and actual by category"));
    monthChart_ = new QChartView;
    monthChart_->setObjectName(QStringLiteral("BudgetMonthChart"));
    monthChart_->setAccessibleName(tr("Budget and actual month by month"));
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(categoryChart_);
    layout->addWidget(monthChart_);
    tabs_->addTab(page, tr("&Charts"));
}

void BudgetWindow::loadCharts() {
    std::vector<MonthBudget> months;
    if (!prompts_.attempt(
            [&] { months = budgetByMonth(book_.dataFolder, yearBox_->value(), book_.fiscal); }))
        return;
    QChart* old = categoryChart_->chart();
    categoryChart_->setChart(budgetCategoryChart(statement_, regional_));
    delete old;
    old = monthChart_->chart();
    monthChart_->setChart(budgetMonthChart(months, regional_));
    delete old;
}

void BudgetWindow::reload() {
    loadPlan();
    loadView();
}

std::optional<Money> BudgetWindow::typedBudget(const QString& text) const {
    std::string typed(trimBlanks(utf8(text)));
    if (typed.empty()) return Money();
    const bool out = typed.front() == '-' || typed.front() == '(';
    if (out) typed.erase(0, 1);
    return typedAmount(typed, regional_, !out);
}

void BudgetWindow::loadPlan() {
    const std::vector<BudgetMonth> months = fiscalYearMonths(yearBox_->value(), book_.fiscal);
    Budget budget;
    std::vector<CategoryRecord> categories;
    prompts_.attempt([&] {
        budget = readBudget(budgetFilePath(book_.dataFolder));
        categories = readCategories(BookPaths(book_.dataFolder).categories());
    });
    loading_ = true;
    planCodes_.clear();
    planGrid_->clear();
    QStringList headings{tr("Category"), tr("Every month")};
    for (const BudgetMonth& m : months)
        headings << qs(budgetMonthText(m));
    headings << tr("Year");
    planGrid_->setColumnCount(static_cast<int>(headings.size()));
    planGrid_->setHorizontalHeaderLabels(headings);
    planGrid_->setRowCount(static_cast<int>(categories.size()));
    const int yearColumn = kFirstMonthColumn + 12;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const int row = static_cast<int>(i);
        const std::string code(trimBlanks(categories[i].catCode));
        planCodes_.push_back(code);
        planGrid_->setItem(row, 0, fixedItem(qs(trimBlanks(categories[i].catName))));
        planGrid_->setItem(row, kEveryMonthColumn, amountItem(QString()));
        Money year;
        for (int k = 0; k < 12; ++k) {
            const Money m = budgetAmount(budget, months[static_cast<std::size_t>(k)], code);
            year += m;
            planGrid_->setItem(row, kFirstMonthColumn + k,
                               amountItem(m.isZero() ? QString() : qs(regional_.currencyText(m))));
        }
        planGrid_->setItem(row, yearColumn, fixedItem(qs(regional_.currencyText(year)), true));
    }
    planGrid_->resizeColumnsToContents();
    loading_ = false;
}

void BudgetWindow::planCellChanged(int row, int column) {
    if (loading_ || column < kEveryMonthColumn || column >= kFirstMonthColumn + 12) return;
    QTableWidgetItem* item = planGrid_->item(row, column);
    const std::optional<Money> amount = typedBudget(item->text());
    loading_ = true;
    if (!amount) {
        item->setText(QString());
        loading_ = false;
        prompts_.message({"Please type an amount such as -400 (money out) or 1,250.00 (money in).",
                          "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1});
        return;
    }
    const QString text = amount->isZero() ? QString() : qs(regional_.currencyText(*amount));
    if (column == kEveryMonthColumn) {
        for (int k = 0; k < 12; ++k)
            planGrid_->item(row, kFirstMonthColumn + k)->setText(text);
        item->setText(QString());
    } else {
        item->setText(text);
    }
    Money year;
    for (int k = 0; k < 12; ++k)
        year += typedBudget(planGrid_->item(row, kFirstMonthColumn + k)->text()).value_or(Money());
    planGrid_->item(row, kFirstMonthColumn + 12)->setText(qs(regional_.currencyText(year)));
    planGrid_->resizeColumnsToContents();
    loading_ = false;
}

bool BudgetWindow::saveBudget() {
    const std::vector<BudgetMonth> months = fiscalYearMonths(yearBox_->value(), book_.fiscal);
    try {
        BookLock lock(book_.dataFolder);
        // A category renamed or deleted since the plan was read would get lines under a
        // code it no longer has: the plan is read again first.
        std::vector<std::string> codes;
        for (const CategoryRecord& c : readCategories(BookPaths(book_.dataFolder).categories()))
            codes.emplace_back(trimBlanks(c.catCode));
        if (codes != planCodes_) {
            prompts_.message(
                {"The categories have changed since this plan was read. Please "
                 "press Revert and type the changes again; nothing has been saved.",
                 "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1});
            return false;
        }
        const std::string path = budgetFilePath(book_.dataFolder);
        Budget budget = readBudget(path);
        bool changed = false;
        for (std::size_t i = 0; i < planCodes_.size(); ++i)
            for (int k = 0; k < 12; ++k) {
                const auto amount = typedBudget(
                    planGrid_->item(static_cast<int>(i), kFirstMonthColumn + k)->text());
                changed |= setBudgetAmount(budget, months[static_cast<std::size_t>(k)],
                                           planCodes_[i], amount.value_or(Money()));
            }
        if (changed) writeBudget(path, budget);
        lock.commit();
    } catch (const OperationError& e) {
        prompts_.showError(e);
        return false;
    }
    loadView();
    return true;
}

void BudgetWindow::loadView() {
    viewLabel_->setText(qs(book_.rangeLabel));
    BudgetStatement s;
    if (!prompts_.attempt([&] {
            s = budgetAgainstActual(book_.dataFolder, book_.first, book_.last, book_.fiscal);
        }))
        return;
    statement_ = s;
    if (categoryChart_) loadCharts();
    const QStringList headings{tr("Category"),   tr("Budget"), tr("Actual"),
                               tr("Difference"), tr("Used"),   QString()};
    viewGrid_->clear();
    viewGrid_->setColumnCount(static_cast<int>(headings.size()));
    viewGrid_->setHorizontalHeaderLabels(headings);
    viewGrid_->setRowCount(0);
    viewCodes_.clear();
    const QColor base = palette().color(QPalette::Base);
    const QColor red = readableOn(QColor(255, 0, 0), base);
    QFont bold = font();
    bold.setBold(true);

    auto addRow = [&](const QString& name, std::optional<BudgetRow> row, const std::string& code,
                      bool total) {
        const int r = viewGrid_->rowCount();
        viewGrid_->insertRow(r);
        viewCodes_.push_back(code);
        auto* nameItem = fixedItem(name);
        if (total || !row) nameItem->setFont(bold);
        viewGrid_->setItem(r, 0, nameItem);
        if (!row) return;
        const Money difference = row->difference();
        viewGrid_->setItem(r, 1, fixedItem(qs(regional_.currencyText(row->budget)), true));
        viewGrid_->setItem(r, 2, fixedItem(qs(regional_.currencyText(row->actual)), true));
        auto* differenceItem = fixedItem(qs(regional_.currencyText(difference)), true);
        if (difference.isNegative()) differenceItem->setForeground(red);
        viewGrid_->setItem(r, 3, differenceItem);
        const std::optional<long long> used = row->percentUsed();
        viewGrid_->setItem(r, 4, fixedItem(used ? QString::number(*used) + " %" : QString(), true));
        if (used && !total) {
            auto* bar = new QProgressBar;
            bar->setRange(0, 100);
            bar->setValue(static_cast<int>(std::clamp<long long>(*used, 0, 100)));
            bar->setTextVisible(false);
            bar->setAccessibleName(name + " " + QString::number(*used) + " %");
            if (row->over()) {
                QPalette p = bar->palette();
                p.setColor(QPalette::Highlight, red);
                bar->setPalette(p);
            }
            viewGrid_->setCellWidget(r, 5, bar);
        }
    };
    auto addSection = [&](const QString& title, const QString& totalName,
                          const BudgetSection& section) {
        addRow(title, std::nullopt, "", false);
        for (const BudgetRow& row : section.rows)
            addRow(qs(row.name), row, row.code, false);
        BudgetRow total;
        total.budget = section.budget;
        total.actual = section.actual;
        addRow(totalName, total, "", true);
    };
    addSection(tr("Money that went OUT"), tr("Total Expense"), s.expense);
    addSection(tr("Money that came IN"), tr("Total Income"), s.income);
    BudgetRow balance;
    balance.budget = s.budgetBalance();
    balance.actual = s.actualBalance();
    addRow(tr("Balance"), balance, "", true);
    viewGrid_->item(viewGrid_->rowCount() - 1, 4)->setText(QString());
    viewGrid_->resizeColumnsToContents();
    viewGrid_->setColumnWidth(5, 200);
    viewGrid_->horizontalHeader()->setStretchLastSection(true);
}

std::string BudgetWindow::reportText() const {
    return budgetReportText(statement_, {book_.ownerName, book_.today}, regional_, false,
                            reportCaptions(book_.captionLanguage));
}

void BudgetWindow::printReport() {
    prompts_.attempt([&] { printReportText(reportText(), false, printer_); });
}

void BudgetWindow::saveReportAsPdf() {
    const std::string path = prompts_.saveFile(reportPdfFileDialog());
    if (path.empty()) return;
    if (fileLength(path) > 0 && prompts_.message(overwriteQuestion(path)) != Answer::Ok) return;
    if (!prompts_.attempt([&] { printReportTextToPdf(reportText(), false, printer_, path); }))
        return;
    prompts_.message(reportPdfSavedMessage(path));
}

void BudgetWindow::writeReportFile(bool csv) {
    FileDialog dialog = reportTextFileDialog();
    if (csv) dialog = {"Export budget", "Comma-separated values (*.csv)", "budget.csv", ""};
    const std::string path = prompts_.saveFile(dialog);
    if (path.empty()) return;
    if (fileLength(path) > 0 && prompts_.message(overwriteQuestion(path)) != Answer::Ok) return;
    if (!prompts_.attempt(
            [&] { writeFileAtomically(path, csv ? budgetCsv(statement_) : reportText()); }))
        return;
    prompts_.message(reportCopiedMessage(path));
}

void BudgetWindow::viewCellDoubleClicked(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= viewCodes_.size()) return;
    if (!viewCodes_[static_cast<std::size_t>(row)].empty())
        emit categoryChosen(viewCodes_[static_cast<std::size_t>(row)]);
}

}  // namespace qbk
