// The main window's commands of the import and backup windows: File, "Comma-Delimited
// or CSV Import" (mu_Import) and "Data Backup (complete)" (mu_Backup). Each opens its
// window modally; the list is not refreshed when it closes.
#ifndef QBK_IMPORT_QT_IMPORT_COMMANDS_H_
#define QBK_IMPORT_QT_IMPORT_COMMANDS_H_

#include <QObject>

namespace qbk {

class QBK_3_Main;

class ImportCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches the two commands to their menu items; owned by `window`.
    explicit ImportCommands(QBK_3_Main& window);

    void mu_Import_Click();
    // The same window for every kind of bank file, sorting the book with the import.
    void mu_ImportBankFile_Click();
    void mu_Backup_Click();

  private:
    QBK_3_Main& window_;
};

}  // namespace qbk

#endif  // QBK_IMPORT_QT_IMPORT_COMMANDS_H_
