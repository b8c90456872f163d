#include "mainwindow/qt/maintenance_commands.h"

#include <QApplication>
#include <QProgressBar>
#include <climits>
#include <optional>

#include "mainwindow/maintenance_texts.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/status_panels.h"
#include "mainwindow/qt/wait_cursor.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"
#include "store/entry_record.h"
#include "store/maintenance.h"

namespace qbk {

MaintenanceCommands::MaintenanceCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("MaintenanceCommands"));
    window_.setCommand("mu_SortData", [this] { mu_SortData_Click(); });
    window_.setCommand("mu_CreateBackup", [this] { CreateBackupFile(); });
    window_.setCommand("mu_RestoreBackup", [this] { RestoreBackupFile(); });
    window_.setCommand("mu_PurgeDeletedRecords", [this] { PurgeDeletedRecs(); });
    window_.setCommand("mu_RestoreDeletedRecords", [this] { RestoreDeletedRecords(); });
}

void MaintenanceCommands::mu_SortData_Click() {
    MainState& s = window_.state();
    const std::string path = s.RecordFilePath;
    s.DateDialDone = false;

    std::uint64_t records = 0;
    if (fileExists(path)) records = fileLength(path) / entry_layout::kSize;
    const int maximum = static_cast<int>(std::min<std::uint64_t>(records, INT_MAX));
    QProgressBar* bar = window_.progressBar();
    StatusPanels* general = window_.generalStatusBar();
    bar->setRange(0, maximum);
    bar->setValue(0);
    general->setPanelVisible(2, false);
    general->setPanelText(general_panel::kMessage, shownText(sortingStatusText(path)));
    bar->show();
    bar->raise();
    // Drawn before the sort, which lets no events through; keys and clicks wait.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const BookWriteScope write(window_);
    std::optional<OperationError> failure;
    {
        WaitCursor wait;
        try {
            sortRecordFile(path);
            bar->setValue(maximum);
        } catch (const OperationError& e) {
            failure = e;
        }
    }
    bar->hide();
    general->setPanelVisible(2, true);
    if (failure) window_.showError(*failure);

    window_.SetRange(s.ProgramSettings.startupRange(), 0);
    s.SearchText.clear();
    s.SearchCompleteWord = false;
    window_.PopMainGrid("");
}

void MaintenanceCommands::PurgeDeletedRecs() {
    MainState& s = window_.state();
    if (window_.prompts().message(purgeQuestion()) != Answer::Yes) return;
    std::size_t removed = 0;
    const BookWriteScope write(window_);
    if (!window_.prompts().attempt([&] {
            WaitCursor wait;
            removed = purgeDeletedRecords(s.RecordFilePath, s.DataFolder);
        }))
        return;
    window_.refreshList();
    const std::string keptAs = purgeBackupPath(s.RecordFilePath, s.DataFolder);
    window_.prompts().message(purgeFinishedMessage(
        removed, keptAs == joinPath(s.DataFolder, kBackupFileName) ? "" : keptAs));
}

void MaintenanceCommands::RestoreDeletedRecords() {
    MainState& s = window_.state();
    if (window_.prompts().message(restoreDeletedQuestion()) != Answer::Yes) return;
    std::size_t restored = 0;
    const BookWriteScope write(window_);
    if (!window_.prompts().attempt([&] {
            WaitCursor wait;
            restored = restoreDeletedRecords(s.RecordFilePath);
        }))
        return;
    window_.refreshList();
    window_.prompts().message(restoreDeletedFinishedMessage(restored));
}

void MaintenanceCommands::CreateBackupFile() {
    const std::string& folder = window_.state().DataFolder;
    try {
        const BackupDescriptions described = describeBackupFiles(folder, window_.regional());
        if (described.backup.holdsRecords() &&
            window_.prompts().message(createBackupQuestion(described)) != Answer::Yes)
            return;
        createInternalBackup(folder);
    } catch (const OperationError& e) {
        window_.showError(e);
        return;
    }
    window_.prompts().message(backupCreatedMessage());
}

void MaintenanceCommands::RestoreBackupFile() {
    const std::string& folder = window_.state().DataFolder;
    try {
        const BackupDescriptions described = describeBackupFiles(folder, window_.regional());
        // A backup without one whole entry would only destroy the record file.
        if (described.backup.records < 1) {
            window_.prompts().message(nothingToRestoreMessage(folder));
            return;
        }
        if (window_.prompts().message(restoreBackupQuestion(described)) != Answer::Yes) return;
        if (!restoreInternalBackup(folder)) {
            window_.prompts().message(nothingToRestoreMessage(folder));
            return;
        }
    } catch (const OperationError& e) {
        window_.showError(e);
        return;
    }
    // The list shows the restored book at once rather than entries no longer on file.
    window_.refreshList();
    window_.prompts().message(backupRestoredMessage());
}

}  // namespace qbk
