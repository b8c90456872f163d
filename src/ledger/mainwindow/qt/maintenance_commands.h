// The record-file maintenance commands of the main window: Sort Data, Create and
// Restore Internal Backup File (menu File), Purge and Restore Deleted Records (menu
// Records). The file work comes from store/maintenance.h and every text shown from
// mainwindow/maintenance_texts.h; a failing file operation shows the common error
// message and changes nothing.
#ifndef QBK_MAINWINDOW_QT_MAINTENANCE_COMMANDS_H_
#define QBK_MAINWINDOW_QT_MAINTENANCE_COMMANDS_H_

#include <QObject>

namespace qbk {

class QBK_3_Main;

class MaintenanceCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches the five commands to their menu items; owned by `window`.
    explicit MaintenanceCommands(QBK_3_Main& window);

    // Sorts the record file newest first, showing the progress bar and the sorting text
    // meanwhile, then shows the default range without a search. A stop request (Esc)
    // left from before the sort is dropped: the sort is one step and always completes.
    void mu_SortData_Click();
    // Removes the entries marked deleted (the old file becomes quillbank.bak).
    void PurgeDeletedRecs();
    // Marks the deleted entries live again.
    void RestoreDeletedRecords();
    // Copies quillbank.dat to quillbank.bak, asking first when the backup holds records.
    void CreateBackupFile();
    // Copies quillbank.bak over quillbank.dat after asking; refused when it is empty.
    void RestoreBackupFile();

  private:
    QBK_3_Main& window_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_MAINTENANCE_COMMANDS_H_
