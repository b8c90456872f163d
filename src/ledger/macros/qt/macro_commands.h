// The Macro menu of the main window: macro-edit mode and the play-back of a macro.
//
// In macro-edit mode the window works on a macro file instead of the record file:
// RecordFilePath names the macro file, the list shows all of its live entries on a
// yellow background, the entry form keeps no dates of its own, and the commands that
// need the book (data folders, sort and backups, categories, searches, ranges,
// reports, the other macro commands) are disabled. The Records menu stays: entries,
// and the purge and restore of deleted entries, then work on the macro file.
#ifndef QBK_MACROS_QT_MACRO_COMMANDS_H_
#define QBK_MACROS_QT_MACRO_COMMANDS_H_

#include <QObject>

namespace qbk {

class DateSelector;
class EntryForm;
class QBK_3_Main;

class MacroCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches the three menu commands and the window's Esc steps; owned by `window`.
    // Play-back asks for its date with `dates`; macro-edit mode turns off the dates of
    // `entryForm`.
    MacroCommands(QBK_3_Main& window, DateSelector& dates, EntryForm& entryForm);

    // Play a Macro: every live entry of a chosen macro file goes into the record file
    // under one date asked with the date selector, each with its own stamp, in one
    // write. Quit in the date selector or No to the question adds nothing.
    void mu_PlayMacro_Click();

    // Create / Edit Macro: a chosen (possibly new) macro file in macro-edit mode.
    void mu_MacroCreate_Click();
    // Quit Macro Edit (also Esc in macro-edit mode): back to the book of the data folder.
    void mu_MacroQuit_Click();

    // The window's look and commands in and out of macro-edit mode. TurnMacroOff also
    // puts the default range back (without a list refresh); it runs on every Esc
    // outside report mode.
    void TurnMacroOn();
    void TurnMacroOff();

  private:
    void setMacroLook(bool on);

    QBK_3_Main& window_;
    DateSelector& dates_;
    EntryForm& entryForm_;
};

}  // namespace qbk

#endif  // QBK_MACROS_QT_MACRO_COMMANDS_H_
