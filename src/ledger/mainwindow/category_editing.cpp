#include "mainwindow/category_editing.h"

#include <vector>

#include "platform/book_lock.h"
#include "platform/files.h"
#include "platform/undo_history.h"
#include "platform/windows1252.h"
#include "store/budget_file.h"
#include "store/category_file.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "store/record_file.h"

namespace qbk {
namespace {

using namespace category_layout;

constexpr std::string_view kNothingToDo = "Nothing to do!";

std::string_view codeOf(const CategoryRecord& r) {
    return trimBlanks(r.catCode);
}

// The first record with `code`, or records.size().
std::size_t find(const std::vector<CategoryRecord>& records, std::string_view code) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (codeOf(records[i]) == code) return i;
    return records.size();
}

void fill(CategoryRecord& r, const std::string& code, const CategoryForm& form) {
    r.catCode = fitField(code, kCatCodeWidth);
    r.catName = fitField(trimBlanks(form.name), kCatNameWidth);
    r.catDescription = fitField(trimBlanks(form.description), kCatDescriptionWidth);
}

void writeSorted(const std::string& categoryPath, std::vector<CategoryRecord>& records) {
    sortCategories(records);
    writeCategories(categoryPath, records);
}

CategoryChange refused(Message message) {
    CategoryChange c;
    c.message = std::move(message);
    return c;
}

Message nothingToDo(std::string text) {
    return {std::move(text), std::string(kNothingToDo), Icon::Exclamation, Buttons::Ok, 1};
}

}  // namespace

std::string categoryCodeOf(std::string_view typed) {
    return std::string(trimBlanks(fitField(trimBlanks(typed), kCatCodeWidth)));
}

std::size_t liveCategoryEntries(const std::string& recordFilePath, std::string_view code) {
    const RecordFileContent content = readRecordFile(recordFilePath);
    const std::string codeBytes = toWindows1252(trimBlanks(code));
    std::size_t live = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        const char* r = content.at(i);
        if (!entry_bytes::isDeleted(r) && trimBlanks(entry_bytes::categoryCode(r)) == codeBytes)
            ++live;
    }
    return live;
}

CategoryEditStart editCategory(const std::string& categoryPath, std::string_view filterCode,
                               std::string_view filterName) {
    const std::string code(trimBlanks(filterCode));
    if (code.empty()) return {std::nullopt, noCategorySelectedMessage()};
    const std::vector<CategoryRecord> records = readCategories(categoryPath);
    const std::size_t i = find(records, code);
    if (i == records.size()) return {std::nullopt, categoryNotFoundMessage(code)};
    return {CategoryForm{code, std::string(trimBlanks(filterName)),
                         std::string(trimBlanks(records[i].catDescription))},
            std::nullopt};
}

CategoryChange saveCategory(const std::string& categoryPath, const CategoryForm& form) {
    const BookLock lock(parentFolder(categoryPath));
    const std::string code = categoryCodeOf(form.code);
    if (code.empty()) return refused(blankCategoryCodeMessage());
    std::vector<CategoryRecord> records = readCategories(categoryPath);
    if (find(records, code) != records.size()) return refused(duplicateCategoryCodeMessage(code));
    CategoryRecord added;
    fill(added, code, form);
    records.push_back(std::move(added));
    writeSorted(categoryPath, records);
    CategoryChange c;
    c.done = true;
    return c;
}

CategoryChange replaceCategory(const std::string& categoryPath, const std::string& recordFilePath,
                               std::string_view filterCode, const CategoryForm& form) {
    const BookLock lock(parentFolder(categoryPath));
    const std::string code = categoryCodeOf(form.code);
    if (code.empty()) return refused(blankCategoryCodeMessage());
    const std::string old(trimBlanks(filterCode));
    if (old.empty()) return refused(noCategorySelectedMessage());
    std::vector<CategoryRecord> records = readCategories(categoryPath);
    const std::size_t i = find(records, old);
    if (i == records.size()) return refused(categoryNotFoundMessage(old));
    if (code != old && find(records, code) != records.size())
        return refused(duplicateCategoryCodeMessage(code));
    fill(records[i], code, form);
    writeSorted(categoryPath, records);

    CategoryChange c;
    c.done = true;
    c.entriesChanged = ChaseCat(recordFilePath, old, code, false);
    recodeBudgetFile(parentFolder(categoryPath), old, code);
    c.filterCode = code;
    return c;
}

std::optional<Message> deleteCategoryRefusal(const std::string& categoryPath,
                                             std::string_view filterCode,
                                             std::string_view formCode) {
    const std::string old(trimBlanks(filterCode));
    if (old.empty()) return noCategorySelectedMessage();
    const std::string code = categoryCodeOf(formCode);
    if (code != old)
        return nothingToDo("The code in the form (" + code +
                           ") is not the code of the selected category (" + old +
                           "). Nothing has been deleted.");
    const std::vector<CategoryRecord> records = readCategories(categoryPath);
    if (find(records, old) == records.size()) return categoryNotFoundMessage(old);
    return std::nullopt;
}

CategoryChange deleteCategory(const std::string& categoryPath, std::string_view filterCode,
                              std::string_view formCode) {
    const BookLock lock(parentFolder(categoryPath));
    if (categoryCodeOf(formCode).empty()) return {};
    if (auto refusal = deleteCategoryRefusal(categoryPath, filterCode, formCode))
        return refused(std::move(*refusal));
    const std::string old(trimBlanks(filterCode));
    std::vector<CategoryRecord> kept;
    bool removed = false;
    for (CategoryRecord& r : readCategories(categoryPath)) {
        if (!removed && codeOf(r) == old) {
            removed = true;
            continue;
        }
        if (codeOf(r).empty()) continue;
        kept.push_back(std::move(r));
    }
    writeSorted(categoryPath, kept);
    dropBudgetFileCategory(parentFolder(categoryPath), old);
    CategoryChange c;
    c.done = true;
    return c;
}

std::size_t deleteCategoryEntries(const std::string& recordFilePath, std::string_view filterCode) {
    const BookLock lock(parentFolder(recordFilePath));
    // The last question of a category's delete: one undo step with the delete.
    continueLastChange(parentFolder(recordFilePath));
    return ChaseCat(recordFilePath, filterCode, filterCode, true);
}

Message noCategorySelectedMessage() {
    return {"Please double-click a category on the right to select it for editing.",
            std::string(kNothingToDo), Icon::Information, Buttons::Ok, 1};
}

Message blankCategoryCodeMessage() {
    return nothingToDo("You must provide a category code!");
}

Message duplicateCategoryCodeMessage(std::string_view code) {
    return nothingToDo("The category code " + std::string(trimBlanks(code)) +
                       " is already in use by another category. Two categories cannot share "
                       "one code, because every report gathers the entries of a category by "
                       "its code; nothing has been changed.");
}

Message categoryNotFoundMessage(std::string_view code) {
    return nothingToDo("The category " + std::string(trimBlanks(code)) +
                       " is not in the category file (it may have been changed outside the "
                       "program). Please select the category again.");
}

Message deleteCategoryQuestion(std::string_view filterName) {
    return {"Delete category?\r\n\r\n" + fitField(filterName, kCatNameWidth), "Confirm",
            Icon::Question, Buttons::YesNo, 1};
}

Message categoryDeletedQuestion(std::string_view filterName) {
    return {"Category " + std::string(trimBlanks(filterName)) +
                " has been deleted. Do you wish to delete any records that were under that "
                "category as well?",
            "Category deleted", Icon::Question, Buttons::YesNo, 1};
}

Message areYouSureQuestion() {
    return {"Are you sure?", "Confirm", Icon::Critical, Buttons::YesNo, 2};
}

}  // namespace qbk
