// The Records menu's cleared marks: Toggle Cleared (Ctrl+K) on the entries selected in
// MainGrid, one change of the book and one undo step; and Reconcile..., the dialog that
// agrees the book with a bank statement (reconcile_dialog.h).
#ifndef QBK_MAINWINDOW_QT_CLEARED_COMMANDS_H_
#define QBK_MAINWINDOW_QT_CLEARED_COMMANDS_H_

#include <QObject>

namespace qbk {

class QBK_3_Main;

class ClearedCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches mu_ToggleCleared and mu_Reconcile; owned by `window`.
    explicit ClearedCommands(QBK_3_Main& window);

    // When any selected entry is unmarked, the unmarked ones become cleared; otherwise
    // the cleared ones lose their mark; reconciled entries keep theirs, unless only
    // reconciled entries are selected: then they lose it after a question. Nothing
    // happens in report mode, in macro editing or while an entry is open.
    void mu_ToggleCleared_Click();
    void mu_Reconcile_Click();

  private:
    QBK_3_Main& window_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_CLEARED_COMMANDS_H_
