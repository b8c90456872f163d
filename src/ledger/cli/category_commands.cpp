// qbk3-cli category list|add|rename|delete: the category frame of the main window, for
// scripts and for starting a book without the window. The rules are the frame's (codes
// cut to 10 characters, no two categories with one code, entries recoded on a rename);
// a code typed for a new category is upper-cased, and a category that live entries
// still use is deleted only with --mark-entries-deleted, which marks them deleted as
// the frame's last question does.
#include <filesystem>

#include "cli/command.h"
#include "mainwindow/category_editing.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/maintenance.h"

namespace qbk {
namespace {

struct CategoryArguments {
    std::string folder, code, newCode, name;
    std::optional<std::string> newName, description;
    bool markEntriesDeleted = false;
};

std::string categoryFile(const std::string& folder) {
    return joinPath(folder, std::string(kCategoryFileName));
}

// A code typed for a new category.
std::string newCode(const std::string& typed) {
    return categoryCodeOf(ansiUpper(typed));
}

// The category whose code is `typed` (without surrounding blanks, exactly).
CategoryRecord namedCategory(const std::string& path, const std::string& typed) {
    for (CategoryRecord& c : readCategories(path))
        if (trimBlanks(c.catCode) == trimBlanks(typed)) return c;
    throw UsageError{"no such category: " + typed};
}

// The work of the frame refused: a blank code is a bad argument, the rest is declined.
int refused(CliContext& cx, const Message& message) {
    if (message == blankCategoryCodeMessage()) throw UsageError{message.text};
    return refuse(cx, message.text);
}

int listCategories(const CategoryArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    cx.out << "Code\tName\tDescription\n";
    for (const CategoryRecord& c : readCategories(categoryFile(folder)))
        cx.out << trimBlanks(c.catCode) << '\t' << trimBlanks(c.catName) << '\t'
               << oneLine(trimBlanks(c.catDescription)) << '\n';
    return kExitDone;
}

int addCategory(const CategoryArguments& a, CliContext& cx) {
    // A new book starts with its first category: its folder is made when missing.
    if (!folderExists(a.folder)) {
        std::error_code failure;
        std::filesystem::create_directories(a.folder, failure);
        if (failure) throw OperationError::fromErrno(failure.value(), a.folder);
        cx.out << "Made the data folder " << a.folder << ".\n";
    }
    return asOneChange(cx, dataFolder(a.folder), [&](CliContext& in) {
        const std::string code = newCode(a.code);
        const CategoryChange change =
            saveCategory(categoryFile(dataFolder(a.folder)),
                         CategoryForm{code, a.name, a.description.value_or("")});
        if (!change.done) return refused(in, *change.message);
        in.out << "Added the category " << code << ".\n";
        return kExitDone;
    });
}

int renameCategory(const CategoryArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const std::string path = categoryFile(folder);
    // The frame's Edit: the category as it stands, then the form changed.
    const CategoryEditStart edit = editCategory(path, a.code, namedCategory(path, a.code).catName);
    if (!edit.form) return refused(cx, *edit.message);
    CategoryForm form = *edit.form;
    form.code = newCode(a.newCode);
    if (a.newName) form.name = *a.newName;
    if (a.description) form.description = *a.description;
    const CategoryChange change =
        replaceCategory(path, joinPath(folder, kRecordFileName), a.code, form);
    if (!change.done) return refused(cx, *change.message);
    cx.out << "The category " << trimBlanks(a.code) << " is now " << change.filterCode << "; "
           << change.entriesChanged << " entries recoded.\n";
    return kExitDone;
}

int deleteCategoryCommand(const CategoryArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const std::string path = categoryFile(folder);
    const std::string recordFile = joinPath(folder, kRecordFileName);
    namedCategory(path, a.code);
    if (const auto refusal = deleteCategoryRefusal(path, a.code, a.code))
        return refused(cx, *refusal);
    const std::size_t live = liveCategoryEntries(recordFile, a.code);
    if (live > 0 && !a.markEntriesDeleted)
        return refuse(cx, std::to_string(live) + " entries use the category " +
                              std::string(trimBlanks(a.code)) +
                              "; nothing has been deleted. Give --mark-entries-deleted to mark "
                              "them deleted with it, or rename the category instead.");
    const CategoryChange change = deleteCategory(path, a.code, a.code);
    if (!change.done) return refused(cx, *change.message);
    cx.out << "Deleted the category " << trimBlanks(a.code) << ".\n";
    if (a.markEntriesDeleted)
        cx.out << "Marked " << deleteCategoryEntries(recordFile, a.code)
               << " entries deleted (restore them before a purge to keep them).\n";
    return kExitDone;
}

}  // namespace

Subcommand makeCategoryCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand("category", "List, add, rename or delete categories.");
    c->require_subcommand(1);
    auto a = std::make_shared<CategoryArguments>();

    auto* list = c->add_subcommand("list", "Print code, name and description of every category.");
    addFolder(*list, a->folder);

    auto* add = c->add_subcommand(
        "add", "Add a category; the code is upper-cased and cut to 10 characters.");
    add->add_option("FOLDER", a->folder, "the data folder of the book, made when missing")
        ->required();
    add->add_option("CODE", a->code, "the new code, not yet in use")->required();
    add->add_option("NAME", a->name, "its name, up to 20 characters");
    add->add_option("--description", a->description, "up to 500 characters")->type_name("TEXT");

    auto* rename = c->add_subcommand(
        "rename", "Give a category a new code (upper-cased); its entries take it.");
    addFolder(*rename, a->folder);
    rename->add_option("CODE", a->code, "the category's code as listed")->required();
    rename->add_option("NEWCODE", a->newCode, "its new code, not used by another category")
        ->required();
    rename->add_option("--name", a->newName, "a new name")->type_name("NAME");
    rename->add_option("--description", a->description, "a new description")->type_name("TEXT");

    auto* remove = c->add_subcommand(
        "delete", "Delete a category that no live entry uses, or with --mark-entries-deleted.");
    addFolder(*remove, a->folder);
    remove->add_option("CODE", a->code, "the category's code as listed")->required();
    remove->add_flag("--mark-entries-deleted", a->markEntriesDeleted,
                     "mark the category's entries deleted too (restorable until a purge)");

    return {c, [=, &cx] {
                if (list->parsed()) return listCategories(*a, cx);
                if (add->parsed()) return addCategory(*a, cx);
                return asOneChange(cx, dataFolder(a->folder), [&](CliContext& in) {
                    return rename->parsed() ? renameCategory(*a, in)
                                            : deleteCategoryCommand(*a, in);
                });
            }};
}

}  // namespace qbk
