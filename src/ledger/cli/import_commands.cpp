// qbk3-cli import: the import of the import window, for scripts: comma-delimited files
// with field numbers, and bank statements (.ofx, .qfx, .qif) by the payee rules.
#include "cli/command.h"
#include "import/import_run.h"
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
    bool skipHeader = false, keepDuplicates = false;
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
    ImportRequest request;
    request.dataFolder = dataFolder(a.folder);
    request.importPath = a.file;
    request.links = {linkOption(a.date, "date"),   linkOption(a.amount, "amount"),
                     linkOption(a.note, "note"),   linkOption(a.category, "category"),
                     linkOption(a.user1, "user1"), linkOption(a.user2, "user2")};
    request.skipHeader = a.skipHeader;
    request.keepDuplicates = a.keepDuplicates;
    // A QIF file whose dates read both ways is read in the order of the regional settings.
    request.ambiguousDateOrder = cx.regional.dateOrder == DateOrder::DayMonthYear
                                     ? DateOrder::DayMonthYear
                                     : DateOrder::MonthDayYear;
    if (const std::string problem = importRequestProblem(request); !problem.empty())
        throw UsageError{problem};
    if (!fileExists(a.file)) throw UsageError{"no such file: " + a.file};

    StampSource stamps(cx.clock);
    cx.out << runImport(request, cx.regional, stamps).text;
    return kExitDone;
}

}  // namespace

Subcommand makeImportCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "import",
        "Append a .txt or .csv file (with field numbers) or a bank statement (.ofx, .qfx, "
        ".qif) to the book: all lines or none; lines the book already holds are skipped.");
    auto a = std::make_shared<ImportArguments>();
    addFolder(*c, a->folder);
    c->add_option("FILE", a->file, "the file to import (.txt, .csv, .ofx, .qfx or .qif)")
        ->required();
    const std::pair<const char*, std::optional<std::string>*> links[] = {
        {"--date", &a->date},         {"--amount", &a->amount}, {"--note", &a->note},
        {"--category", &a->category}, {"--user1", &a->user1},   {"--user2", &a->user2}};
    for (const auto& [name, value] : links)
        c->add_option(name, *value, "the field number of the entry's " + std::string(name + 2))
            ->type_name("N");
    c->add_flag("--skip-header", a->skipHeader,
                "the first line holds column names (.txt and .csv)");
    c->add_flag("--keep-duplicates", a->keepDuplicates,
                "also import the lines the book already holds");
    return {c, [a, &cx] {
                return asOneChange(cx, dataFolder(a->folder),
                                   [&](CliContext& in) { return importFile(*a, in); });
            }};
}

}  // namespace qbk
