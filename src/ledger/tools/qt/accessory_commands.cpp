#include "tools/qt/accessory_commands.h"

#include "mainwindow/qt/qbk3_main.h"
#include "platform/command_line.h"
#include "platform/errors.h"
#include "tools/accessory_texts.h"
#include "tools/notes_file.h"
#include "tools/qt/calculator_window.h"
#include "tools/qt/config_dialog.h"
#include "tools/qt/game_window.h"

namespace qbk {
namespace {

// A new tool window opens over the middle of the main window.
void placeOver(QWidget* w, const QWidget& window) {
    w->adjustSize();
    w->move(window.geometry().center() - w->rect().center());
}

// Brings a window of its own to the front.
void present(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

// The folder in use as a path box shows it: without the "/" at its end.
std::string folderText(const std::string& folder) {
    std::string text = folder;
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

}  // namespace

AccessoryCommands::AccessoryCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    window_.setCommand("mu_ConfigSettings", [this] { mu_ConfigSettings_Click(); });
    window_.setCommand("mu_NotesOpen", [this] { mu_NotesOpen_Click(); });
    window_.setCommand("mu_HelpAbout", [this] { mu_HelpAbout_Click(); });
    window_.setCommand("mu_HelpWeb", [this] { mu_HelpWeb_Click(); });
    window_.setCommand("mu_TinyCalc", [this] { mu_TinyCalc_Click(); });
    window_.setCommand("mu_Game", [this] { mu_Game_Click(); });
}

void AccessoryCommands::mu_ConfigSettings_Click() {
    // "Use Current" takes the data folder in use: the folder the user works in.
    QBK3Config dialog(window_, folderText(window_.state().DataFolder));
    if (!dialog.Form_Load()) return;
    const bool saved = dialog.exec() == QDialog::Accepted;
    window_.updateAlternateFolderItems();
    // The list's header shows the user fields' names as just saved.
    if (saved && !window_.state().ReportMode) window_.refreshList();
}

void AccessoryCommands::mu_NotesOpen_Click() {
    const MainState& state = window_.state();
    const Services& services = window_.services();
    window_.prompts().attempt([&] {
        const std::string path = openNotesFile(state.DataFolder, state.FYStartYear,
                                               services.clock.today(), window_.regional());
        const NotesLaunch launch =
            notesLaunch(state.ProgramSettings.editorName(), state.DataFolder, path);
        if (launch.openWithDesktop) {
            // Said, so that F4 never seems to do nothing.
            if (!services.shell.openDocument(launch.document))
                window_.prompts().message(noEditorMessage(launch.document));
        } else if (!services.shell.startProgram(launch.program, launch.arguments,
                                                launch.workingFolder)) {
            throw OperationError(errnum::kFileNotFound, "File not found (" + launch.program + ")");
        }
    });
}

void AccessoryCommands::mu_HelpAbout_Click() {
    window_.prompts().message(aboutMessage());
}

void AccessoryCommands::mu_HelpWeb_Click() {
    if (window_.prompts().message(webVisitQuestion()) != Answer::Yes) return;
    if (!window_.services().shell.openUrl(std::string(kMakerWebAddress)))
        window_.prompts().message(browserNotFoundMessage());
}

void AccessoryCommands::mu_TinyCalc_Click() {
    if (!calculator_) {
        calculator_ = new TinyCalc(window_.regional(), &window_);
        placeOver(calculator_, window_);
    }
    present(calculator_);
}

void AccessoryCommands::mu_Game_Click() {
    if (!game_) {
        game_ = new QBKGame(window_.prompts(), &window_);
        placeOver(game_, window_);
    }
    present(game_);
}

}  // namespace qbk
