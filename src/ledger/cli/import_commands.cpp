// qbk3-cli import: the import of the import window, for scripts: comma-delimited files
// with field numbers and the layout of a bank's export, and bank statements (.ofx,
// .qfx, .qif) by the payee rules.
#include "cli/command.h"
#include "cli/import_run.h"
#include "import/delimited_layout.h"
#include "import/import_batch.h"
#include "import/import_profiles.h"
#include "import/layout_refusal.h"
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
    // The layout of a bank's .csv file.
    std::optional<std::string> debit, credit, sign, debitWords;
    std::string separator = "auto", decimal = "auto", dateFormat = "auto";
    std::size_t skipLines = 0, skipFooter = 0;
    bool negate = false;
    std::optional<std::string> profile;
    bool sort = false;
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

// The options that make the choice a refusal of the file's layout asks for.
std::string optionsToChoose(const LayoutRefusal& refusal) {
    switch (refusal.choice()) {
        case LayoutChoice::FooterLines:
            return " (--skip-footer " + refusal.values() + " leaves them out)";
        case LayoutChoice::HeaderLines:
            return " - a first line of column names is left out with --skip-header, lines "
                   "before it with --skip-lines N";
        case LayoutChoice::DateFormat:
            return " (qbk3-cli: --date-format " +
                   (refusal.values().empty() ? "dmy, mdy, ymd, yyyymmdd or d-mon-y"
                                             : refusal.values()) +
                   ")";
        case LayoutChoice::DecimalMark:
            return " (qbk3-cli: --decimal point or --decimal comma)";
    }
    return {};
}

std::size_t fieldOption(const std::optional<std::string>& value, const std::string& name) {
    return value ? std::stoul(linkOption(value, name)) : 0;
}

// The layout the options describe; "auto" leaves a choice to the file.
DelimitedLayout layoutOf(const ImportArguments& a) {
    DelimitedLayout layout;
    layout.skipLines = a.skipLines;
    layout.skipFooter = a.skipFooter;
    layout.negate = a.negate;
    layout.debit = fieldOption(a.debit, "debit");
    layout.credit = fieldOption(a.credit, "credit");
    layout.sign = fieldOption(a.sign, "sign");
    if (a.debitWords) {
        if (!a.sign) throw UsageError{"--debit-words needs --sign"};
        layout.debitWords = listWords(*a.debitWords);
    }
    if (a.separator != "auto")
        layout.separator = a.separator == "comma" ? ',' : a.separator == "semicolon" ? ';' : '\t';
    if (a.decimal != "auto")
        layout.decimalMark = a.decimal == "point" ? DecimalMark::Point : DecimalMark::Comma;
    if (a.dateFormat != "auto") layout.dateFormat = dateFormatNamed(a.dateFormat);
    if (a.note && a.note->find(',') != std::string::npos)
        for (const std::string& n : listWords(*a.note))
            layout.noteFields.push_back(fieldOption(n, "note"));
    return layout;
}

int importFile(const ImportArguments& a, CliContext& cx) {
    ImportRequest request;
    request.dataFolder = dataFolder(a.folder);
    request.importPath = a.file;
    request.layout = layoutOf(a);
    const bool severalNotes = !request.layout.noteFields.empty();
    request.links = {linkOption(a.date, "date"),
                     linkOption(a.amount, "amount"),
                     severalNotes ? std::string() : linkOption(a.note, "note"),
                     linkOption(a.category, "category"),
                     linkOption(a.user1, "user1"),
                     linkOption(a.user2, "user2")};
    request.skipHeader = a.skipHeader;
    request.keepDuplicates = a.keepDuplicates;
    request.sortAfter = a.sort;
    // A QIF file whose dates read both ways is read in the order of the regional settings.
    request.ambiguousDateOrder = cx.regional.dateOrder == DateOrder::DayMonthYear
                                     ? DateOrder::DayMonthYear
                                     : DateOrder::MonthDayYear;
    const std::optional<ImportFormat> format = importFormatOf(a.file);
    if (!format) throw UsageError{importRequestProblem(request)};
    if (!fileExists(a.file)) throw UsageError{"no such file: " + a.file};
    const bool delimited = !isStatement(*format);
    const bool described = a.date || a.debit || a.credit;
    std::string used;
    if (delimited && !described) {
        // No fields given: a saved layout, by its name or by the file's column names.
        const auto found = findImportProfile(readImportProfiles(request.dataFolder),
                                             a.profile.value_or(""), a.file);
        if (!found && a.profile) throw UsageError{"no import profile named " + *a.profile};
        if (found) {
            request.links = found->links;
            request.layout = found->layout;
            used = found->name;
        }
    }
    if (const std::string problem = importRequestProblem(request); !problem.empty())
        throw UsageError{problem};

    StampSource stamps(cx.clock);
    ImportSummary summary;
    try {
        summary = runImport(request, cx.regional, stamps);
    } catch (const LayoutRefusal& refusal) {
        throw OperationError(refusal.number(), refusal.what() + optionsToChoose(refusal));
    }
    if (!used.empty()) cx.out << "Read with the import profile " << used << ".\n";
    cx.out << summary.text;
    if (delimited && described && a.profile && summary.layout) {
        ImportProfile saved{*a.profile, headerLineOf(a.file, summary.layout->skipLines),
                            request.links, *summary.layout};
        saveImportProfile(request.dataFolder, saved);
        cx.out << "The layout was saved as the import profile " << *a.profile << ".\n";
    }
    return kExitDone;
}

}  // namespace

Subcommand makeImportCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "import",
        "Append a .txt or .csv file (with field numbers) or a bank statement (.ofx, .qfx, "
        ".qif, MT940 .sta or .mt940, camt.053 .xml) to the book: all lines or none; lines the book "
        "already "
        "holds are skipped.");
    auto a = std::make_shared<ImportArguments>();
    addFolder(*c, a->folder);
    c->add_option("FILE", a->file,
                  "the file to import (.txt, .csv, .ofx, .qfx, .qif, .sta, .mt940 or .xml)")
        ->required();
    const std::pair<const char*, std::optional<std::string>*> links[] = {
        {"--date", &a->date},         {"--amount", &a->amount}, {"--note", &a->note},
        {"--category", &a->category}, {"--user1", &a->user1},   {"--user2", &a->user2}};
    for (const auto& [name, value] : links)
        c->add_option(name, *value, "the field number of the entry's " + std::string(name + 2))
            ->type_name(std::string_view(name) == "--note" ? "N[,N...]" : "N");
    c->add_option("--debit", a->debit, "the field of money out, when the amount has two fields")
        ->type_name("N");
    c->add_option("--credit", a->credit, "the field of money in, when the amount has two fields")
        ->type_name("N");
    c->add_option("--sign", a->sign, "the field that tells money out from money in")
        ->type_name("N");
    c->add_option("--debit-words", a->debitWords,
                  "the words of --sign's field for money out (default \"D,Af,Debit\")")
        ->type_name("WORDS");
    c->add_flag("--negate", a->negate, "the file writes money out as positive amounts");
    c->add_option("--separator", a->separator, "between fields of a .csv file (default auto)")
        ->check(CLI::IsMember({"auto", "comma", "semicolon", "tab"}));
    c->add_option("--decimal", a->decimal, "the decimal mark of the amounts (default auto)")
        ->check(CLI::IsMember({"auto", "point", "comma"}));
    c->add_option("--date-format", a->dateFormat, "how the dates are written (default auto)")
        ->check(CLI::IsMember({"auto", "dmy", "mdy", "ymd", "yyyymmdd", "d-mon-y"}));
    c->add_option("--skip-lines", a->skipLines, "lines at the top before the entries")
        ->type_name("N");
    c->add_flag("--skip-header", a->skipHeader,
                "the first line (after --skip-lines) holds column names (.txt and .csv)");
    c->add_option("--skip-footer", a->skipFooter, "lines with text at the end that are no entries")
        ->type_name("N");
    c->add_option("--profile", a->profile,
                  "save the layout given under this name, or read the file in the layout saved "
                  "under it (without field options, a layout saved for the file's column names "
                  "is used by itself)")
        ->type_name("NAME");
    c->add_flag("--sort", a->sort, "sort the record file by date with the import");
    c->add_flag("--keep-duplicates", a->keepDuplicates,
                "also import the lines the book already holds");
    return {c, [a, &cx] {
                return asOneChange(cx, dataFolder(a->folder),
                                   [&](CliContext& in) { return importFile(*a, in); });
            }};
}

}  // namespace qbk
