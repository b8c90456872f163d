#include "import/qt/import_commands.h"

#include "import/qt/backup_window.h"
#include "import/qt/import_window.h"
#include "mainwindow/qt/qbk3_main.h"

namespace qbk {

ImportCommands::ImportCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    window_.setCommand("mu_Import", [this] { mu_Import_Click(); });
    window_.setCommand("mu_ImportBankFile", [this] { mu_ImportBankFile_Click(); });
    window_.setCommand("mu_Backup", [this] { mu_Backup_Click(); });
}

void ImportCommands::mu_Import_Click() {
    qbk3cdi importWindow(window_);
    importWindow.exec();
}

void ImportCommands::mu_ImportBankFile_Click() {
    qbk3cdi importWindow(window_, true);
    importWindow.exec();
}

void ImportCommands::mu_Backup_Click() {
    frmBackup backupWindow(window_);
    backupWindow.exec();
}

}  // namespace qbk
