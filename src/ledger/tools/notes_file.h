// The notes file of a fiscal year: <year>qbk.doc in the data folder, UTF-8 text with
// CR LF line ends, begun with seven header lines when it is created (or found empty),
// then left to the user's word processor.
#ifndef QBK_TOOLS_NOTES_FILE_H_
#define QBK_TOOLS_NOTES_FILE_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/dates.h"
#include "platform/regional.h"

namespace qbk {

// "2000qbk.doc" for fiscal year 2000.
std::string notesFileName(int fiscalYear);

// The seven header lines of a new notes file at `path`, each ended by CR LF.
std::string notesHeader(int fiscalYear, const std::string& path, DaySerial today,
                        const RegionalSettings& regional);

// mu_NotesOpen_Click's file work: the path of the notes file of `fiscalYear` in
// `dataFolder` (which ends in "/"). A missing or empty file is written with the header
// (atomically); a file with content is not touched. Throws OperationError when the
// folder is missing or the file cannot be written.
std::string openNotesFile(const std::string& dataFolder, int fiscalYear, DaySerial today,
                          const RegionalSettings& regional);

// How the notes file is handed to the user's word processor.
struct NotesLaunch {
    bool openWithDesktop = true;         // Shell::openDocument(document)
    std::string program;                 // else Shell::startProgram(program, arguments,
    std::vector<std::string> arguments;  //                         workingFolder)
    std::string workingFolder;
    std::string document;
};

// With an editor setting that is blank after trimming (zero bytes count as blank) the
// desktop opens `path`; otherwise the setting is split into program and arguments
// (splitCommandLine) and `path` is added as the last argument. The program runs in
// `dataFolder`.
NotesLaunch notesLaunch(std::string_view editorSetting, const std::string& dataFolder,
                        const std::string& path);

}  // namespace qbk

#endif  // QBK_TOOLS_NOTES_FILE_H_
