#include "tools/notes_file.h"

#include "platform/book_lock.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {

std::string notesFileName(int fiscalYear) {
    return std::to_string(fiscalYear) + "qbk.doc";
}

std::string notesHeader(int fiscalYear, const std::string& path, DaySerial today,
                        const RegionalSettings& regional) {
    const std::string lines[] = {
        "New Quillbank note file for fiscal year " + std::to_string(fiscalYear),
        "Created " + regional.shortDate(today),
        "Complete path and file name:",
        path,
        "This file *must* be saved with the extension '.doc' to work!",
        "Depending on your wordprocessor, you may have to force this",
        "with the Save As function...",
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string openNotesFile(const std::string& dataFolder, int fiscalYear, DaySerial today,
                          const RegionalSettings& regional) {
    const BookLock lock(dataFolder);
    const std::string path = joinPath(dataFolder, notesFileName(fiscalYear));
    if (fileLength(path) == 0)
        writeFileAtomically(path, notesHeader(fiscalYear, path, today, regional));
    return path;
}

NotesLaunch notesLaunch(std::string_view editorSetting, const std::string& dataFolder,
                        const std::string& path) {
    NotesLaunch launch;
    launch.document = path;
    launch.workingFolder = dataFolder;
    std::optional<CommandLine> line = splitCommandLine(trimField(editorSetting));
    if (!line || line->program.empty()) return launch;
    launch.openWithDesktop = false;
    launch.program = std::move(line->program);
    launch.arguments = std::move(line->arguments);
    launch.arguments.push_back(path);
    return launch;
}

}  // namespace qbk
