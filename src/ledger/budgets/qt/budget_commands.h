// The budget commands of the main window's report menu: "Budget..." opens the Budget
// window on its plan for the fiscal year shown, "Budget of this Range" on its view of
// the range the main window shows. A double-click on a category there lists that
// category's entries in the main window, as a double-click on the category list does.
#ifndef QBK_BUDGETS_QT_BUDGET_COMMANDS_H_
#define QBK_BUDGETS_QT_BUDGET_COMMANDS_H_

#include <QObject>
#include <QPointer>
#include <string>

namespace qbk {

class BudgetWindow;
class QBK_3_Main;

class BudgetCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches mu_Budget and mu_BudgetRange; owned by the window.
    explicit BudgetCommands(QBK_3_Main& window);

    void mu_Budget_Click();
    void mu_BudgetRange_Click();
    // The Budget window opened last, while it is open.
    BudgetWindow* budgetWindow() const;

  private:
    void open(int tab);
    void narrowTo(const std::string& code);

    QBK_3_Main& window_;
    QPointer<BudgetWindow> budgetWindow_;
};

}  // namespace qbk

#endif  // QBK_BUDGETS_QT_BUDGET_COMMANDS_H_
