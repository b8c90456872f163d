// qbk3-cli import: the comma-delimited import of the import window, for scripts.
#include "cli/command.h"
#include "import/comma_import.h"
#include "import/delimited_line.h"
#include "platform/files.h"
#include "platform/stamps.h"

namespace qbk {
namespace {

// Everything the import command takes. A new import option is a member here, its
// declaration in makeImportCommand and its use in importFile.
struct ImportArguments {
    std::string folder, file;
    // The field numbers linked to the entry fields, as typed.
    std::optional<std::string> date, amount, note, category, user1, user2;
};

// A field number given on the command line, as the caption of its link box.
std::string linkOption(const std::optional<std::string>& value, const std::string& name) {
    if (!value) return {};
    const bool digits = !value->empty() && value->size() <= 9 &&
                        value->find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoul(*value) == 0)
        throw UsageError{"--" + name + " needs a field number from 1: " + *value};
    return std::to_string(std::stoul(*value));
}

int importFile(const ImportArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const ImportLinks links{linkOption(a.date, "date"),   linkOption(a.amount, "amount"),
                            linkOption(a.note, "note"),   linkOption(a.category, "category"),
                            linkOption(a.user1, "user1"), linkOption(a.user2, "user2")};
    if (!importLinksComplete(links)) throw UsageError{importNeedsDateAndAmountMessage().text};
    if (!delimitedStyleOf(a.file)) throw UsageError{"FILE must end in .txt or .csv: " + a.file};
    if (!fileExists(a.file)) throw UsageError{"no such file: " + a.file};

    StampSource stamps(cx.clock);
    const std::size_t imported =
        importIntoRecordFile(a.file, folder + "quillbank.dat", links, cx.regional, stamps);
    cx.out << imported << " records have been imported.\n";
    if (imported > 0)
        cx.out << "They stand at the end of the record file: sort it before you use the book.\n";
    return kExitDone;
}

}  // namespace

Subcommand makeImportCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "import", "Append the lines of a .txt or .csv file to the book: all lines or none.");
    auto a = std::make_shared<ImportArguments>();
    addFolder(*c, a->folder);
    c->add_option("FILE", a->file, "the file to import (.txt or .csv)")->required();
    const std::pair<const char*, std::optional<std::string>*> links[] = {
        {"--date", &a->date},         {"--amount", &a->amount}, {"--note", &a->note},
        {"--category", &a->category}, {"--user1", &a->user1},   {"--user2", &a->user2}};
    for (const auto& [name, value] : links)
        c->add_option(name, *value, "the field number of the entry's " + std::string(name + 2))
            ->type_name("N");
    return {c, [a, &cx] { return importFile(*a, cx); }};
}

}  // namespace qbk
