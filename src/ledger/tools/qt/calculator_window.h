// TinyCalc: the calculator window. Two operand boxes, four operations, a result that
// can be put on top to chain operations, and a click on the result copies it to the
// clipboard. The arithmetic and the number texts come from tools/calculator.h.
#ifndef QBK_TOOLS_QT_CALCULATOR_WINDOW_H_
#define QBK_TOOLS_QT_CALCULATOR_WINDOW_H_

#include <QWidget>

#include "tools/calculator.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace qbk {

class TinyCalc : public QWidget {
    Q_OBJECT
  public:
    // A window of its own over `parent`, deleted when closed.
    TinyCalc(const RegionalSettings& regional, QWidget* parent);

    void TCAdd_Click();
    void TCSub_Click();
    void TCMul_Click();
    void TCDiv_Click();
    void TCClear_Click();
    void TCRepeat_Click();
    // Replaces the clipboard's content with the result's text.
    void TCResult_Click();
    void tcmnuExit_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void operate(CalcOperator op);
    void showDisplay(const Calculator::Display& display);

    Calculator calculator_;
    QMenu* tcmnuFile;
    QAction* tcmnuExit;
    QLineEdit* TCTopNum;
    QLineEdit* TCBotNum;
    QLabel* TCOp;
    QLabel* TCResult;
    QPushButton* TCAdd;
    QPushButton* TCSub;
    QPushButton* TCMul;
    QPushButton* TCDiv;
    QPushButton* TCClear;
    QPushButton* TCRepeat;
};

}  // namespace qbk

#endif  // QBK_TOOLS_QT_CALCULATOR_WINDOW_H_
