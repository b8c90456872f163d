// The payee rules editor: the rules of the book in a table of two columns (a fragment of
// the payee or memo, the category code it goes to), with rows to add and delete. OK
// refuses rules that cannot be kept and says which; the window writes the file.
#ifndef QBK_IMPORT_QT_PAYEE_RULES_DIALOG_H_
#define QBK_IMPORT_QT_PAYEE_RULES_DIALOG_H_

#include <QDialog>

#include "import/payee_rules.h"

class QPushButton;
class QTableWidget;

namespace qbk {

class Prompts;

class PayeeRulesDialog : public QDialog {
    Q_OBJECT
  public:
    PayeeRulesDialog(const PayeeRules& rules, Prompts& prompts, QWidget* parent);

    // The rules as the table holds them, rows with both cells blank left out.
    PayeeRules rules() const;

    void AddRule_Click();
    void DeleteRule_Click();
    void OkButton_Click();

  private:
    void createTable(const PayeeRules& rules);
    void addRow(const PayeeRule& rule);

    Prompts& prompts_;
    QTableWidget* RulesGrid;
    QPushButton* AddRule;
    QPushButton* DeleteRule;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};

}  // namespace qbk

#endif  // QBK_IMPORT_QT_PAYEE_RULES_DIALOG_H_
