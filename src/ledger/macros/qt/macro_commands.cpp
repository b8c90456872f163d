#include "macros/qt/macro_commands.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QProgressBar>
#include <QTableView>
#include <climits>
#include <optional>

#include "macros/macro_file.h"
#include "macros/macro_playback.h"
#include "mainwindow/qt/date_selector.h"
#include "mainwindow/qt/entry_form.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/status_panels.h"
#include "mainwindow/qt/wait_cursor.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "store/book_files.h"
#include "store/entry_record.h"

namespace qbk {
namespace {

// What needs the book rather than a macro file.
constexpr const char* kBookMenus[] = {"mu_File", "mu_Categories", "mu_Search", "mu_DisplayRange",
                                      "mu_ReportS"};
constexpr const char* kBookItems[] = {"mu_PlayMacro",         "mu_MacroCreate",
                                      "mu_DefaultDataFolder", "mu_AlternateFolder1",
                                      "mu_AlternateFolder2",  "mu_SelectDataFolder"};
constexpr const char* kBookButtons[] = {"Macro", "Search", "Reports"};

const QColor kMacroBackground(255, 255, 0);
const QColor kNormalBackground;  // the palette's own

}  // namespace

MacroCommands::MacroCommands(QBK_3_Main& window, DateSelector& dates, EntryForm& entryForm)
    : QObject(&window), window_(window), dates_(dates), entryForm_(entryForm) {
    setObjectName(QStringLiteral("MacroCommands"));
    window_.setCommand("mu_PlayMacro", [this] { mu_PlayMacro_Click(); });
    window_.setCommand("mu_MacroCreate", [this] { mu_MacroCreate_Click(); });
    window_.setCommand("mu_MacroQuit", [this] { mu_MacroQuit_Click(); });
    connect(&window, &QBK_3_Main::quitMacroEditRequested, this, &MacroCommands::mu_MacroQuit_Click);
    connect(&window, &QBK_3_Main::macroModeEndRequested, this, &MacroCommands::TurnMacroOff);
}

void MacroCommands::mu_MacroCreate_Click() {
    if (window_.state().MacroMode) return;
    const std::string chosen = window_.prompts().openFile(macroFileDialog(), true);
    if (chosen.empty()) return;
    std::optional<Message> refusal;
    if (!window_.prompts().attempt([&] { refusal = openMacroForEdit(chosen); })) return;
    if (refusal) {
        window_.prompts().message(*refusal);
        return;
    }
    window_.state().RecordFilePath = chosen;
    TurnMacroOn();
    window_.refreshList();
}

void MacroCommands::mu_PlayMacro_Click() {
    MainState& s = window_.state();
    if (s.MacroMode) return;
    const std::string chosen = window_.prompts().openFile(macroFileDialog(), false);
    if (chosen.empty()) return;
    std::optional<Message> refusal;
    if (!window_.prompts().attempt([&] { refusal = checkMacroForPlay(chosen); })) return;
    if (refusal) {
        window_.prompts().message(*refusal);
        return;
    }

    const std::string today = window_.regional().shortDate(window_.services().clock.today());
    const std::optional<std::string> dateText = dates_.ask(std::string(kMacroDatePrompt), today);
    // Quit in the date selector abandons the play-back; so does macro-edit mode entered
    // meanwhile (the window stays live while the date is chosen).
    if (!dateText || s.MacroMode) return;
    const std::optional<DaySerial> date = window_.regional().parseDate(*dateText);
    if (!date) {
        window_.showError(
            OperationError(errnum::kTypeMismatch, "Type mismatch (" + *dateText + ")"));
        return;
    }
    if (window_.prompts().message(playMacroQuestion(chosen, *dateText)) != Answer::Yes) return;

    QProgressBar* bar = window_.progressBar();
    std::uint64_t records = 0;
    MacroPlayback played;
    std::optional<OperationError> failure;
    const BookWriteScope write(window_);
    {
        WaitCursor wait;
        try {
            records = fileLength(chosen) / entry_layout::kSize;
            bar->setRange(0, static_cast<int>(std::min<std::uint64_t>(records, INT_MAX)));
            bar->setValue(0);
            bar->show();
            bar->raise();
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            played =
                playMacro(chosen, s.RecordFilePath, *date, window_.stamps(), window_.sortKeys());
            bar->setValue(bar->maximum());
        } catch (const OperationError& e) {
            failure = e;
        }
    }
    bar->hide();
    s.DateDialDone = false;
    if (failure) {
        window_.showError(*failure);
        return;
    }
    // The file changed between the check and the play-back.
    if (played.refusal) window_.prompts().message(*played.refusal);
    window_.refreshList();
    if (!played.refusal && played.played == 0 && played.skipped > 0)
        window_.prompts().message(allDeletedMessage(chosen));
}

void MacroCommands::mu_MacroQuit_Click() {
    MainState& s = window_.state();
    s.RecordFilePath = s.DataFolder + std::string(kRecordFileName);
    TurnMacroOff();
    window_.refreshList();
}

void MacroCommands::TurnMacroOn() {
    MainState& s = window_.state();
    window_.generalStatusBar()->setPanelVisible(2, false);
    window_.generalStatusBar()->setPanelText(general_panel::kMessage,
                                             qs(macroEditStatusText(s.RecordFilePath)));
    s.MacroMode = true;
    setMacroLook(true);
}

void MacroCommands::TurnMacroOff() {
    MainState& s = window_.state();
    window_.generalStatusBar()->setPanelVisible(2, true);
    s.MacroMode = false;
    window_.SetRange(s.ProgramSettings.startupRange(), 0);
    setMacroLook(false);
}

void MacroCommands::setMacroLook(bool on) {
    // Tool tips turned off stay off.
    if (window_.state().ProgramSettings.toolTipsFlag() != "N")
        window_.categoryGrid()->setToolTip(qs(on ? kMacroEditCategoryTip : kNormalCategoryTip));
    // Entries of a macro carry no date of their own.
    entryForm_.setDateEditable(!on);
    window_.setGridBackground(window_.mainGrid(), on ? kMacroBackground : kNormalBackground);
    for (const char* name : kBookMenus)
        if (QMenu* menu = window_.menu(name)) menu->setEnabled(!on);
    for (const char* name : kBookItems)
        if (QAction* item = window_.action(name)) item->setEnabled(!on);
    window_.updateAlternateFolderItems();
    for (const char* key : kBookButtons)
        if (QAction* button = window_.mainToolButton(key)) button->setEnabled(!on);
}

}  // namespace qbk
