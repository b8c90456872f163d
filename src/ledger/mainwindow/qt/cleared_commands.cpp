#include "mainwindow/qt/cleared_commands.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <optional>
#include <vector>

#include "mainwindow/cleared_marks.h"
#include "mainwindow/entry_editing.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/reconcile_dialog.h"
#include "platform/book_lock.h"
#include "store/record_file.h"

namespace qbk {
namespace {

struct ChosenRow {
    double stamp = 0;
    std::size_t number = 0;
};

// The record a row shows in `content`: its own number when that still holds its stamp,
// else the one record with the stamp; nullopt when there is none or more than one.
std::optional<std::size_t> findRecord(const RecordFileContent& content, const ChosenRow& row) {
    if (row.number >= 1 && row.number <= content.count() &&
        entry_bytes::recordStamp(content.at(row.number)) == row.stamp)
        return row.number;
    std::optional<std::size_t> found;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        if (entry_bytes::recordStamp(content.at(i)) != row.stamp) continue;
        if (found) return std::nullopt;
        found = i;
    }
    return found;
}

}  // namespace

ClearedCommands::ClearedCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("ClearedCommands"));
    window_.setCommand("mu_ToggleCleared", [this] { mu_ToggleCleared_Click(); });
    window_.setCommand("mu_Reconcile", [this] { mu_Reconcile_Click(); });
}

void ClearedCommands::mu_ToggleCleared_Click() {
    MainState& s = window_.state();
    if (s.ReportMode || s.MacroMode || s.EditStamp != 0) return;
    QTableView* grid = window_.mainGrid();
    const MainGridModel* model = window_.mainGridModel();
    std::vector<int> rows;
    for (const QModelIndex& index : grid->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty() && grid->currentIndex().isValid()) rows.push_back(grid->currentIndex().row());
    if (rows.empty()) return;
    std::vector<ChosenRow> chosen;
    bool allReconciled = true;
    for (const int row : rows) {
        chosen.push_back({model->stamp(row), model->recordNumber(row)});
        allReconciled = allReconciled && model->cleared(row) == ClearedState::Reconciled;
    }
    // Only reconciled entries chosen: the user means to take the mark off, on a question.
    if (allReconciled && window_.prompts().message(unreconcileQuestion(rows.size())) != Answer::Yes)
        return;
    const double currentStamp =
        model->stamp(grid->currentIndex().isValid() ? grid->currentIndex().row() : rows[0]);

    bool gone = false;
    {
        const BookWriteScope write(window_);
        try {
            BookLock lock(s.DataFolder);
            RecordFileContent content = readRecordFile(s.RecordFilePath);
            std::vector<std::size_t> numbers;
            for (const ChosenRow& row : chosen) {
                const std::optional<std::size_t> n = findRecord(content, row);
                if (!n) {
                    gone = true;
                    break;
                }
                numbers.push_back(*n);
            }
            if (!gone && (allReconciled ? unmarkReconciled(content, numbers)
                                        : toggleClearedMarks(content, numbers)) > 0)
                writeRecordFile(s.RecordFilePath, content);
            lock.commit();
        } catch (const OperationError& e) {
            window_.showError(e);
            return;
        }
        window_.refreshList();
    }
    if (gone) {
        window_.prompts().message(entryGoneMessage());
        return;
    }
    // The same entries stay selected, so that the key can take the mark off again.
    const MainGridModel* now = window_.mainGridModel();
    QItemSelection selection;
    std::optional<int> current;
    for (int row = 0; row < now->rowCount(); ++row) {
        for (const ChosenRow& c : chosen) {
            if (now->stamp(row) != c.stamp) continue;
            selection.select(now->index(row, 0), now->index(row, now->columnCount() - 1));
            if (c.stamp == currentStamp) current = row;
        }
    }
    if (current) grid->setCurrentIndex(now->index(*current, 0));
    grid->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    window_.focusMainGrid();
}

void ClearedCommands::mu_Reconcile_Click() {
    MainState& s = window_.state();
    if (s.ReportMode || s.MacroMode || s.EditStamp != 0) return;
    ReconcileDialog dialog(window_);
    dialog.exec();
    window_.refreshList();
}

}  // namespace qbk
