#include "import/qt/payee_rules_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/ports.h"
#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"

namespace qbk {

PayeeRulesDialog::PayeeRulesDialog(const PayeeRules& rules, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("PayeeRulesDialog"));
    setWindowTitle(tr("Payee Rules"));
    setModal(true);

    auto* explanation = new QLabel(
        tr("A statement line whose payee or memo contains the text on the left goes to the "
           "category on the right (capitals do not matter; the longest text that matches "
           "wins)."),
        this);
    explanation->setWordWrap(true);
    createTable(rules);
    AddRule = namedButton(this, "AddRule", tr("&Add"), tr("Add a rule"));
    DeleteRule = namedButton(this, "DeleteRule", tr("&Delete"), tr("Delete the selected rules"));
    OkButton = namedButton(this, "OkButton", tr("OK"), tr("Keep these rules"));
    CancelButton =
        namedButton(this, "CancelButton", tr("Cancel"), tr("Leave the rules as they were"));
    OkButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddRule);
    buttons->addWidget(DeleteRule);
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(RulesGrid, 1);
    layout->addLayout(buttons);
    resize(520, 380);

    connect(AddRule, &QPushButton::clicked, this, &PayeeRulesDialog::AddRule_Click);
    connect(DeleteRule, &QPushButton::clicked, this, &PayeeRulesDialog::DeleteRule_Click);
    connect(OkButton, &QPushButton::clicked, this, &PayeeRulesDialog::OkButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PayeeRulesDialog::createTable(const PayeeRules& rules) {
    RulesGrid = new QTableWidget(0, 2, this);
    RulesGrid->setObjectName(QStringLiteral("RulesGrid"));
    RulesGrid->setHorizontalHeaderLabels({tr("Payee or memo contains"), tr("Category")});
    RulesGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    RulesGrid->setColumnWidth(1, 120);
    for (const PayeeRule& r : rules)
        addRow(r);
}

void PayeeRulesDialog::addRow(const PayeeRule& rule) {
    const int row = RulesGrid->rowCount();
    RulesGrid->insertRow(row);
    RulesGrid->setItem(row, 0, new QTableWidgetItem(qs(rule.fragment)));
    RulesGrid->setItem(row, 1, new QTableWidgetItem(qs(rule.code)));
}

PayeeRules PayeeRulesDialog::rules() const {
    PayeeRules rules;
    for (int row = 0; row < RulesGrid->rowCount(); ++row) {
        auto text = [&](int column) {
            const QTableWidgetItem* item = RulesGrid->item(row, column);
            return item ? std::string(trimBlanks(utf8(item->text()))) : std::string();
        };
        PayeeRule r{text(0), text(1)};
        if (!r.fragment.empty() || !r.code.empty()) rules.push_back(std::move(r));
    }
    return rules;
}

void PayeeRulesDialog::AddRule_Click() {
    addRow({});
    RulesGrid->setCurrentCell(RulesGrid->rowCount() - 1, 0);
    RulesGrid->editItem(RulesGrid->currentItem());
}

void PayeeRulesDialog::DeleteRule_Click() {
    QList<int> rows;
    for (const QModelIndex& index : RulesGrid->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && RulesGrid->currentRow() >= 0) rows << RulesGrid->currentRow();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (const int row : rows)
        RulesGrid->removeRow(row);
}

void PayeeRulesDialog::OkButton_Click() {
    if (const std::optional<std::string> problem = payeeRulesProblem(rules())) {
        prompts_.message({*problem, "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1});
        return;
    }
    accept();
}

}  // namespace qbk
