#include "mainwindow/qt/reconcile_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "mainwindow/cleared_marks.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/book_lock.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/opening_balance.h"

namespace qbk {
namespace {

constexpr std::string_view kAdjustmentNote = "Reconcile adjustment";

Message notice(std::string text) {
    return {std::move(text), "Reconcile", Icon::Information, Buttons::Ok, 1};
}

}  // namespace

ReconcileDialog::ReconcileDialog(QBK_3_Main& window) : QDialog(&window), window_(window) {
    setObjectName(QStringLiteral("ReconcileDialog"));
    setWindowTitle(tr("Reconcile with a Bank Statement"));
    const MainState& s = window_.state();
    const RegionalSettings& regional = window_.regional();

    StatementDateBox = new QLineEdit(qs(regional.shortDate(window_.services().clock.today())));
    StatementDateBox->setObjectName(QStringLiteral("StatementDateBox"));
    StatementDateBox->setAccessibleName(tr("Statement end date"));
    EndingBalanceBox = new QLineEdit;
    EndingBalanceBox->setObjectName(QStringLiteral("EndingBalanceBox"));
    EndingBalanceBox->setAccessibleName(tr("Ending balance"));
    if (s.OfferedStatementDate)
        StatementDateBox->setText(qs(regional.shortDate(*s.OfferedStatementDate)));
    if (s.OfferedStatementBalance)
        EndingBalanceBox->setText(qs(regional.numberText(*s.OfferedStatementBalance)));
    OpeningBalanceBox = new QLineEdit;
    OpeningBalanceBox->setObjectName(QStringLiteral("OpeningBalanceBox"));
    OpeningBalanceBox->setAccessibleName(tr("Opening balance"));
    OpeningBalanceBox->setToolTip(
        tr("What the account held before the first entry the book marks cleared; "
           "typed the first time, then kept"));
    ListButton = new QPushButton(tr("&Show Entries"));
    ListButton->setObjectName(QStringLiteral("ListButton"));

    auto* form = new QFormLayout;
    form->addRow(tr("Statement &end date:"), StatementDateBox);
    form->addRow(tr("Statement ending &balance:"), EndingBalanceBox);
    form->addRow(tr("&Opening balance:"), OpeningBalanceBox);

    EntryList = new QTableWidget(0, 4);
    EntryList->setObjectName(QStringLiteral("EntryList"));
    EntryList->setAccessibleName(
        tr("Entries up to the end date; tick what the "
           "statement shows"));
    EntryList->setHorizontalHeaderLabels({tr("Date"), tr("Amount"), tr("Category"), tr("Note")});
    EntryList->verticalHeader()->hide();
    EntryList->horizontalHeader()->setStretchLastSection(true);
    EntryList->setSelectionBehavior(QAbstractItemView::SelectRows);
    EntryList->setEditTriggers(QAbstractItemView::NoEditTriggers);

    DifferenceLabel = new QLabel;
    DifferenceLabel->setObjectName(QStringLiteral("DifferenceLabel"));
    AdjustCategoryBox = new QComboBox;
    AdjustCategoryBox->setObjectName(QStringLiteral("AdjustCategoryBox"));
    AdjustCategoryBox->setAccessibleName(tr("Category of an adjustment entry"));
    window_.prompts().attempt([&] {
        for (const CategoryRecord& c : readCategories(s.CategoryFilePath))
            AdjustCategoryBox->addItem(qs(std::string(trimBlanks(c.catName))),
                                       qs(std::string(trimBlanks(c.catCode))));
    });
    AdjustButton = new QPushButton(tr("Book &Difference..."));
    AdjustButton->setObjectName(QStringLiteral("AdjustButton"));
    AdjustButton->setToolTip(
        tr("Book what is left over as an adjustment entry in the category beside"));
    FinishButton = new QPushButton(tr("&Finish"));
    FinishButton->setObjectName(QStringLiteral("FinishButton"));
    FinishButton->setToolTip(tr("Enabled when the difference is 0.00"));
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("CancelButton"));

    auto* adjustRow = new QHBoxLayout;
    adjustRow->addWidget(DifferenceLabel, 1);
    adjustRow->addWidget(AdjustCategoryBox);
    adjustRow->addWidget(AdjustButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FinishButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ListButton, 0, Qt::AlignLeft);
    layout->addWidget(EntryList, 1);
    layout->addLayout(adjustRow);
    layout->addLayout(buttons);
    resize(620, 480);

    connect(ListButton, &QPushButton::clicked, this, [this] { ListButton_Click(); });
    connect(StatementDateBox, &QLineEdit::returnPressed, this, [this] { ListButton_Click(); });
    connect(EndingBalanceBox, &QLineEdit::textChanged, this, [this] { updateDifference(); });
    connect(OpeningBalanceBox, &QLineEdit::textChanged, this, [this] { updateDifference(); });
    connect(EntryList, &QTableWidget::itemChanged, this, [this] { updateDifference(); });
    connect(FinishButton, &QPushButton::clicked, this, [this] { FinishButton_Click(); });
    connect(AdjustButton, &QPushButton::clicked, this, [this] { AdjustButton_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ListButton_Click();
}

void ReconcileDialog::ListButton_Click() {
    const MainState& s = window_.state();
    const RegionalSettings& regional = window_.regional();
    const std::optional<DaySerial> day = regional.parseDate(utf8(StatementDateBox->text()));
    if (!day) {
        window_.prompts().message(
            notice("The end date \"" + utf8(StatementDateBox->text()) + "\" is not a date."));
        return;
    }
    if (!window_.prompts().attempt([&] {
            listed_ = readRecordFile(s.RecordFilePath);
            storedOpening_ = readOpeningBalance(s.DataFolder);
        }))
        return;
    lastDay_ = day;
    numbers_ = reconcileCandidates(listed_, *day);
    const ReconcileSums sums = reconcileSums(listed_, *day, storedOpening_);
    reconciled_ = sums.reconciled;
    firstTime_ = true;
    for (std::size_t i = 1; i <= listed_.count() && firstTime_; ++i)
        firstTime_ = entry_bytes::isDeleted(listed_.at(i)) ||
                     entry_bytes::cleared(listed_.at(i)) != ClearedState::Reconciled;
    {
        const QSignalBlocker quiet(OpeningBalanceBox);
        OpeningBalanceBox->setText(qs(regional.numberText(storedOpening_)));
    }
    OpeningBalanceBox->setEnabled(firstTime_);

    const QSignalBlocker quiet(EntryList);
    EntryList->setRowCount(static_cast<int>(numbers_.size()));
    for (std::size_t k = 0; k < numbers_.size(); ++k) {
        const EntryRecord r = listed_.record(numbers_[k]);
        const int row = static_cast<int>(k);
        auto* date = new QTableWidgetItem(qs(regional.shortDate(r.entryDate)));
        date->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        date->setCheckState(r.cleared() == ClearedState::Cleared ? Qt::Checked : Qt::Unchecked);
        EntryList->setItem(row, 0, date);
        auto* amount = new QTableWidgetItem(qs(regional.currencyText(r.amount)));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        EntryList->setItem(row, 1, amount);
        EntryList->setItem(row, 2,
                           new QTableWidgetItem(qs(std::string(trimBlanks(r.categoryCode)))));
        EntryList->setItem(row, 3, new QTableWidgetItem(qs(std::string(trimBlanks(r.note)))));
    }
    EntryList->resizeColumnsToContents();
    updateDifference();
}

std::optional<Money> ReconcileDialog::difference() const {
    const RegionalSettings& regional = window_.regional();
    const std::optional<Money> statement = regional.parseAmount(utf8(EndingBalanceBox->text()));
    const std::optional<Money> opening = regional.parseAmount(utf8(OpeningBalanceBox->text()));
    if (!statement || !opening || !lastDay_) return std::nullopt;
    try {
        Money cleared = *opening + reconciled_;
        for (int row = 0; row < EntryList->rowCount(); ++row)
            if (EntryList->item(row, 0)->checkState() == Qt::Checked)
                cleared += entry_bytes::amount(listed_.at(numbers_[static_cast<std::size_t>(row)]));
        return *statement - cleared;
    } catch (const OperationError&) {
        return std::nullopt;  // balances beyond any amount
    }
}

void ReconcileDialog::updateDifference() {
    const std::optional<Money> d = difference();
    DifferenceLabel->setText(d ? tr("Difference: ") + qs(window_.regional().currencyText(*d))
                               : tr("Difference: type the end date and the balances"));
    FinishButton->setEnabled(d && d->isZero());
    AdjustButton->setEnabled(d && !d->isZero() && AdjustCategoryBox->count() > 0);
}

void ReconcileDialog::FinishButton_Click() {
    const std::optional<Money> d = difference();
    if (!d || !d->isZero()) return;
    if (finish(std::nullopt)) accept();
}

void ReconcileDialog::AdjustButton_Click() {
    const std::optional<Money> d = difference();
    if (!d || d->isZero() || AdjustCategoryBox->currentIndex() < 0) return;
    const RegionalSettings& regional = window_.regional();
    const Message question{"Book the difference of " + regional.currencyText(*d) +
                               " as an adjustment entry of " + regional.shortDate(*lastDay_) +
                               " in " + utf8(AdjustCategoryBox->currentText()) +
                               ", and finish the reconcile?",
                           "Confirm", Icon::Question, Buttons::YesNo, 2};
    if (window_.prompts().message(question) != Answer::Yes) return;
    if (finish(*d)) accept();
}

bool ReconcileDialog::finish(std::optional<Money> adjustment) {
    MainState& s = window_.state();
    const std::optional<Money> opening =
        window_.regional().parseAmount(utf8(OpeningBalanceBox->text()));
    std::vector<bool> ticked;
    for (int row = 0; row < EntryList->rowCount(); ++row)
        ticked.push_back(EntryList->item(row, 0)->checkState() == Qt::Checked);
    bool changed = false;
    {
        const BookWriteScope write(window_);
        if (!window_.prompts().attempt([&] {
                BookLock lock(s.DataFolder);
                RecordFileContent content = readRecordFile(s.RecordFilePath);
                changed = content.records != listed_.records ||
                          readOpeningBalance(s.DataFolder) != storedOpening_;
                if (!changed) {
                    finishReconcile(content, numbers_, ticked);
                    if (adjustment) {
                        EntryRecord r;
                        r.entryDate = *lastDay_;
                        r.categoryCode = fitField(utf8(AdjustCategoryBox->currentData().toString()),
                                                  entry_layout::kCategoryCodeWidth);
                        r.amount = *adjustment;
                        r.note = fitField(kAdjustmentNote, entry_layout::kNoteWidth);
                        r.setCleared(ClearedState::Reconciled);
                        window_.stamps().noteExisting(largestStamp(content));
                        r.recordStamp = window_.stamps().next();
                        checkTotalsFit(content.records, encodeEntry(r));
                        insertInKeyOrder(content, r, window_.sortKeys());
                    }
                    if (firstTime_ && opening && *opening != storedOpening_)
                        writeOpeningBalance(s.DataFolder, *opening);
                    writeRecordFile(s.RecordFilePath, content);
                }
                lock.commit();
            }))
            return false;
        window_.refreshList();
    }
    if (changed) {
        window_.prompts().message(
            notice("The book was changed by another program while you reconciled. The "
                   "entries have been listed again; please tick them again."));
        ListButton_Click();
        return false;
    }
    return true;
}

}  // namespace qbk
