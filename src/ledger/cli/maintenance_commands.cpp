// The record-file maintenance commands of qbk3-cli: sort, purge and macro play-back on
// a data folder, through the same core as the window program's menu items.
#include "cli/command.h"
#include "macros/macro_playback.h"
#include "mainwindow/maintenance_texts.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "store/maintenance.h"
#include "store/sort_key.h"

namespace qbk {
namespace {

struct PlayArguments {
    std::string folder, macro, date;
};

int play(const PlayArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    if (!fileExists(a.macro)) throw UsageError{"no such file: " + a.macro};
    const DaySerial date = dateOption(cx, a.date);

    StampSource stamps(cx.clock);
    SortKeyMemory memory;
    const MacroPlayback p =
        playMacro(a.macro, joinPath(folder, kRecordFileName), date, stamps, memory);
    if (p.refusal) return refuse(cx, p.refusal->text);
    cx.out << "Played " << p.played << " entries of " << a.macro << " with the date "
           << cx.regional.shortDate(date) << ".\n";
    if (p.skipped > 0) cx.out << "Skipped " << p.skipped << " entries marked deleted.\n";
    return kExitDone;
}

}  // namespace

Subcommand makeSortCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand("sort", "Sort the record file by date, newest first.");
    auto folder = std::make_shared<std::string>();
    addFolder(*c, *folder);
    return {c, [folder, &cx] {
                const std::string data = dataFolder(*folder);
                return asOneChange(cx, data, [&](CliContext& in) {
                    in.out << "Sorted " << sortRecordFile(joinPath(data, kRecordFileName))
                           << " records.\n";
                    return kExitDone;
                });
            }};
}

Subcommand makePurgeCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "purge", "Remove the entries marked deleted (the old file becomes quillbank.bak).");
    auto folder = std::make_shared<std::string>();
    addFolder(*c, *folder);
    return {c, [folder, &cx] {
                const std::string data = dataFolder(*folder);
                return asOneChange(cx, data, [&](CliContext& in) {
                    const std::size_t removed =
                        purgeDeletedRecords(joinPath(data, kRecordFileName), data);
                    in.out << purgeFinishedMessage(removed).text << '\n';
                    return kExitDone;
                });
            }};
}

Subcommand makePlayCommand(CLI::App& tool, CliContext& cx) {
    auto* c =
        tool.add_subcommand("play", "Play a macro file into the book, every entry under one DATE.");
    auto a = std::make_shared<PlayArguments>();
    addFolder(*c, a->folder);
    c->add_option("MACROFILE", a->macro, "a macro file (.qbk)")->required();
    c->add_option("DATE", a->date, "the date of the entries played")->required();
    return {c, [a, &cx] {
                return asOneChange(cx, dataFolder(a->folder),
                                   [&](CliContext& in) { return play(*a, in); });
            }};
}

}  // namespace qbk
