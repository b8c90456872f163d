// The "add" command of qbk3-cli: a new entry, by the rules of the window's entry form.
#include "cli/command.h"
#include "mainwindow/entry_editing.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/maintenance.h"
#include "store/sort_key.h"

namespace qbk {
namespace {

struct AddArguments {
    std::string folder;
    std::optional<std::string> income, expense, category, date, note, user1, user2;
};

int add(const AddArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    if (a.income.has_value() == a.expense.has_value())
        throw UsageError{"add takes one of --income AMOUNT and --expense AMOUNT"};
    if (!a.category || trimBlanks(*a.category).empty())
        throw UsageError{"add needs --category CODE"};
    // The window offers only the categories of the list; so does the tool.
    const std::string field = fitField(trimBlanks(*a.category), category_layout::kCatCodeWidth);
    bool known = false;
    for (const CategoryRecord& c : readCategories(folder + std::string(kCategoryFileName)))
        known = known || c.catCode == field;
    if (!known) throw UsageError{"no such category: " + *a.category};

    EntryFormText form;
    form.date = cx.regional.shortDate(a.date ? dateOption(cx, *a.date) : cx.clock.today());
    form.amount = a.income ? *a.income : *a.expense;
    form.categoryCode = field;
    form.note = a.note.value_or("");
    form.user1 = a.user1.value_or("");
    form.user2 = a.user2.value_or("");

    StampSource stamps(cx.clock);
    SortKeyMemory sortKeys;
    const std::string recordFile = joinPath(folder, kRecordFileName);
    const NewEntry added = saveNewEntry(recordFile, folder, programSettings(cx), form,
                                        a.income.has_value(), cx.regional, stamps, sortKeys);
    if (added.refusal) throw UsageError{oneLine(added.refusal->text)};
    cx.out << "Added " << (a.income ? "income of " : "an expense of ")
           << cx.regional.currencyText(added.record.amount) << " dated "
           << cx.regional.shortDate(added.record.entryDate) << " as record " << added.position
           << " of " << recordFile << ".\n";
    return kExitDone;
}

}  // namespace

Subcommand makeAddCommand(CLI::App& tool, CliContext& cx) {
    auto* c =
        tool.add_subcommand("add", "Save a new entry by the rules of the window's entry form.");
    auto a = std::make_shared<AddArguments>();
    addFolder(*c, a->folder);
    c->add_option("--income", a->income, "money in")->type_name("AMOUNT");
    c->add_option("--expense", a->expense, "money out (give one of the two)")->type_name("AMOUNT");
    c->add_option("--category", a->category, "a category of the book's category list")
        ->type_name("CODE");
    c->add_option("--date", a->date, "the entry's date (default today)")->type_name("DATE");
    c->add_option("--note", a->note, "up to 60 characters")->type_name("TEXT");
    c->add_option("--user1", a->user1, "user field 1, up to 10 characters")->type_name("TEXT");
    c->add_option("--user2", a->user2, "user field 2, up to 10 characters")->type_name("TEXT");
    return {c, [a, &cx] {
                return asOneChange(cx, dataFolder(a->folder),
                                   [&](CliContext& in) { return add(*a, in); });
            }};
}

}  // namespace qbk
