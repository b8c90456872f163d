// The record-file maintenance commands of qbk3-cli: sort, purge and macro play-back on
// a data folder, through the same core as the window program's menu items.
#include "cli/cli.h"
#include "macros/macro_playback.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "store/maintenance.h"
#include "store/sort_key.h"

namespace qbk {

int sortCommand(const std::vector<std::string>& args, CliContext& cx) {
    if (args.size() != 2) throw UsageError{"sort takes one FOLDER"};
    const std::string folder = dataFolderArgument(args);
    const std::size_t records = sortRecordFile(joinPath(folder, kRecordFileName));
    cx.out << "Sorted " << records << " records.\n";
    return 0;
}

int purgeCommand(const std::vector<std::string>& args, CliContext& cx) {
    if (args.size() != 2) throw UsageError{"purge takes one FOLDER"};
    const std::string folder = dataFolderArgument(args);
    const std::size_t removed = purgeDeletedRecords(joinPath(folder, kRecordFileName), folder);
    cx.out << purgeFinishedMessage(removed).text << '\n';
    return 0;
}

int playCommand(const std::vector<std::string>& args, CliContext& cx) {
    if (args.size() != 4) throw UsageError{"play takes FOLDER MACROFILE DATE"};
    const std::string folder = dataFolderArgument(args);
    const std::string& macro = args[2];
    if (!fileExists(macro)) throw UsageError{"no such file: " + macro};
    const DaySerial date = dateOption(cx, args[3]);

    StampSource stamps(cx.clock);
    SortKeyMemory memory;
    const MacroPlayback p =
        playMacro(macro, joinPath(folder, kRecordFileName), date, stamps, memory);
    if (p.refusal) {
        cx.err << "qbk3-cli: " << p.refusal->text << '\n';
        return 1;
    }
    cx.out << "Played " << p.played << " entries of " << macro << " with the date "
           << cx.regional.shortDate(date) << ".\n";
    if (p.skipped > 0) cx.out << "Skipped " << p.skipped << " entries marked deleted.\n";
    return 0;
}

}  // namespace qbk
