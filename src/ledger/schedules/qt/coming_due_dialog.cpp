#include "schedules/qt/coming_due_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/qt/readable_colours.h"
#include "platform/windows1252.h"

namespace qbk {

ComingDueDialog::ComingDueDialog(const std::vector<PlannedEntry>& due, bool postWithoutAsking,
                                 const RegionalSettings& regional, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ComingDueDialog"));
    setWindowTitle(tr("Coming Due"));

    auto* intro = new QLabel(tr("These scheduled entries are due and not yet posted. The checked "
                                "ones are posted, each on its own date, as one change."),
                             this);
    intro->setWordWrap(true);

    DueList = new QTableWidget(static_cast<int>(due.size()), 4, this);
    DueList->setObjectName(QStringLiteral("DueList"));
    DueList->setAccessibleName(tr("Entries due"));
    DueList->setHorizontalHeaderLabels({tr("Date"), tr("Category"), tr("Amount"), tr("Note")});
    DueList->verticalHeader()->hide();
    DueList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DueList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(due.size()); ++row) {
        const EntryRecord& r = due[static_cast<std::size_t>(row)].record;
        auto* date = new QTableWidgetItem(qs(regional.shortDate(r.entryDate)));
        date->setFlags(date->flags() | Qt::ItemIsUserCheckable);
        date->setCheckState(Qt::Checked);
        DueList->setItem(row, 0, date);
        DueList->setItem(row, 1, new QTableWidgetItem(qs(trimBlanks(r.categoryCode))));
        auto* amount = new QTableWidgetItem(qs(regional.currencyText(r.amount)));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (r.amount.isNegative())
            amount->setForeground(readableOn(QColor(255, 0, 0), palette().color(QPalette::Base)));
        DueList->setItem(row, 2, amount);
        DueList->setItem(row, 3, new QTableWidgetItem(qs(trimBlanks(r.note))));
    }
    DueList->resizeColumnsToContents();
    DueList->horizontalHeader()->setStretchLastSection(true);

    PostWithoutAsking = new QCheckBox(tr("Post &due entries without asking"), this);
    PostWithoutAsking->setObjectName(QStringLiteral("PostWithoutAsking"));
    PostWithoutAsking->setChecked(postWithoutAsking);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* post = buttons->addButton(tr("&Post Checked"), QDialogButtonBox::AcceptRole);
    post->setObjectName(QStringLiteral("PostButton"));
    post->setDefault(true);
    QPushButton* later = buttons->addButton(tr("&Not Now"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("NotNowButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(DueList);
    layout->addWidget(PostWithoutAsking);
    layout->addWidget(buttons);
    resize(620, 360);
}

std::vector<bool> ComingDueDialog::checked() const {
    std::vector<bool> checked;
    for (int row = 0; row < DueList->rowCount(); ++row)
        checked.push_back(DueList->item(row, 0)->checkState() == Qt::Checked);
    return checked;
}

bool ComingDueDialog::postWithoutAsking() const {
    return PostWithoutAsking->isChecked();
}

}  // namespace qbk
