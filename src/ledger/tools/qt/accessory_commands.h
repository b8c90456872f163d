// The main window's settings and accessory commands: File, "Settings..."
// (mu_ConfigSettings); the notes file of the fiscal year (mu_NotesOpen, F4, toolbar
// "Notes"); "Calculator" (mu_TinyCalc) and "Play A Game" (mu_Game); the about box
// (mu_HelpAbout) and the visit to the maker's web site (mu_HelpWeb, F7, toolbar
// "Web"). None of them touches the record file.
#ifndef QBK_TOOLS_QT_ACCESSORY_COMMANDS_H_
#define QBK_TOOLS_QT_ACCESSORY_COMMANDS_H_

#include <QObject>
#include <QPointer>

#include "tools/qt/calculator_window.h"
#include "tools/qt/game_window.h"

namespace qbk {

class QBK_3_Main;

class AccessoryCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches the commands to their menu items; owned by `window`.
    explicit AccessoryCommands(QBK_3_Main& window);

    // Opens the settings dialog modally.
    void mu_ConfigSettings_Click();
    // Creates the notes file of the current fiscal year when needed and hands it to the
    // editor of the settings (started without a shell, the file name last) or, with no
    // editor set, to the desktop's program for it.
    void mu_NotesOpen_Click();
    void mu_HelpAbout_Click();
    // Asks first, then opens the maker's address in the browser.
    void mu_HelpWeb_Click();
    // The calculator and game windows: opened once, brought to the front after.
    void mu_TinyCalc_Click();
    void mu_Game_Click();

    TinyCalc* calculator() const { return calculator_; }
    QBKGame* game() const { return game_; }

  private:
    QBK_3_Main& window_;
    QPointer<TinyCalc> calculator_;
    QPointer<QBKGame> game_;
};

}  // namespace qbk

#endif  // QBK_TOOLS_QT_ACCESSORY_COMMANDS_H_
