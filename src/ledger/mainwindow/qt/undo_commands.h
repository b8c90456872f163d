// Undo and Redo of the Records menu: the last change this window made to the book's
// files (new, replace, delete, category changes, sort, purge, import, play-back), taken
// back or made again while the files are still as that change left them. The history
// lives in the book's folder (platform/undo_history.h), so qbk3-cli undo sees it too.
#ifndef QBK_MAINWINDOW_QT_UNDO_COMMANDS_H_
#define QBK_MAINWINDOW_QT_UNDO_COMMANDS_H_

#include <QObject>

namespace qbk {

class QBK_3_Main;

class UndoCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches mu_Undo and mu_Redo; owned by `window`.
    explicit UndoCommands(QBK_3_Main& window);

    void mu_Undo_Click();
    void mu_Redo_Click();

  private:
    void turn(bool undo);
    QBK_3_Main& window_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_UNDO_COMMANDS_H_
