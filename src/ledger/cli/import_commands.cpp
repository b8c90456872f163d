// qbk3-cli import: the comma-delimited import of the import window, for scripts.
#include "cli/cli.h"
#include "import/comma_import.h"
#include "import/delimited_line.h"
#include "platform/files.h"
#include "platform/stamps.h"

namespace qbk {
namespace {

// A field number given on the command line, as the caption of its link box.
std::string linkOption(const Options& opt, const std::string& name) {
    const auto value = opt.get(name);
    if (!value) return {};
    const bool digits = !value->empty() && value->size() <= 9 &&
                        value->find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoul(*value) == 0)
        throw UsageError{"--" + name + " needs a field number from 1: " + *value};
    return std::to_string(std::stoul(*value));
}

}  // namespace

int importCommand(const std::vector<std::string>& args, CliContext& cx) {
    const std::string folder = dataFolderArgument(args);
    if (args.size() < 3 || args[2].starts_with("--")) throw UsageError{"missing FILE"};
    const std::string& file = args[2];
    const Options opt(args, 3, {"date", "amount", "note", "category", "user1", "user2"});
    const ImportLinks links{linkOption(opt, "date"),  linkOption(opt, "amount"),
                            linkOption(opt, "note"),  linkOption(opt, "category"),
                            linkOption(opt, "user1"), linkOption(opt, "user2")};
    if (!importLinksComplete(links)) throw UsageError{importNeedsDateAndAmountMessage().text};
    if (!delimitedStyleOf(file)) throw UsageError{"FILE must end in .txt or .csv: " + file};
    if (!fileExists(file)) throw UsageError{"no such file: " + file};

    StampSource stamps(cx.clock);
    const std::size_t imported =
        importIntoRecordFile(file, folder + "quillbank.dat", links, cx.regional, stamps);
    cx.out << imported << " records have been imported.\n";
    if (imported > 0)
        cx.out << "They stand at the end of the record file: sort it before you use the book.\n";
    return 0;
}

}  // namespace qbk
