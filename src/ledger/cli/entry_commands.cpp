// The "add" command of qbk3-cli: a new entry, by the rules of the window's entry form.
#include <charconv>

#include "cli/cli.h"
#include "mainwindow/entry_editing.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/maintenance.h"
#include "store/sort_key.h"

namespace qbk {
namespace {

// A message box text on one line.
std::string oneLine(std::string text) {
    for (std::size_t at; (at = text.find("\r\n\r\n")) != std::string::npos;)
        text.replace(at, 4, " ");
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, " ");
    return text;
}

}  // namespace

int addCommand(const std::vector<std::string>& args, CliContext& cx) {
    const std::string folder = dataFolderArgument(args);
    const Options opt(args, 2, {"income", "expense", "category", "date", "note", "user1", "user2"});
    const auto income = opt.get("income");
    const auto expense = opt.get("expense");
    if (income.has_value() == expense.has_value())
        throw UsageError{"add takes one of --income AMOUNT and --expense AMOUNT"};
    const auto code = opt.get("category");
    if (!code || trimBlanks(*code).empty()) throw UsageError{"add needs --category CODE"};
    // The window offers only the categories of the list; so does the tool.
    const std::string field = fitField(trimBlanks(*code), 10);
    bool known = false;
    for (const CategoryRecord& c : readCategories(folder + "category.dat"))
        known = known || c.catCode == field;
    if (!known) throw UsageError{"no such category: " + *code};

    EntryFormText form;
    form.date = cx.regional.shortDate(opt.get("date") ? dateOption(cx, *opt.get("date"))
                                                      : cx.clock.today());
    form.amount = income ? *income : *expense;
    form.categoryCode = field;
    form.note = opt.get("note").value_or("");
    form.user1 = opt.get("user1").value_or("");
    form.user2 = opt.get("user2").value_or("");

    StampSource stamps(cx.clock);
    SortKeyMemory sortKeys;
    const std::string recordFile = joinPath(folder, kRecordFileName);
    const NewEntry added = saveNewEntry(recordFile, folder, programSettings(cx), form,
                                        income.has_value(), cx.regional, stamps, sortKeys);
    if (added.refusal) throw UsageError{oneLine(added.refusal->text)};
    cx.out << "Added " << (income ? "income of " : "an expense of ")
           << cx.regional.currencyText(added.record.amount) << " dated "
           << cx.regional.shortDate(added.record.entryDate) << " as record " << added.position
           << " of " << recordFile << ".\n";
    return 0;
}

}  // namespace qbk
