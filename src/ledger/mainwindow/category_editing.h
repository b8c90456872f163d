// The file work of the category frame (Edit, Save, Replace, Delete) and the messages
// it shows. The frame always works on the selected category, CategoryFilterCode and
// CategoryFilterName of the main window; the form is what CatCodeEd, CatLabelEd and
// CatDescriptionEd hold.
//
// Codes are compared without their surrounding blanks, exactly and case-sensitively
// (food and FOOD are two codes). Every change reads the category file once and writes
// it once, atomically and already sorted; recoding the entries of a category goes
// through ChaseCat. No two categories get one code: Save and Replace refuse a code that
// another category already has, because reports gather entries by code. A failing file
// operation throws OperationError.
#ifndef QBK_MAINWINDOW_CATEGORY_EDITING_H_
#define QBK_MAINWINDOW_CATEGORY_EDITING_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ports.h"

namespace qbk {

// The texts of the three boxes of the category frame.
struct CategoryForm {
    std::string code;
    std::string name;
    std::string description;
    friend bool operator==(const CategoryForm&, const CategoryForm&) = default;
};

// The outcome of a frame command: `done` when the files were changed as asked;
// otherwise nothing was written, and `message`, when set, is what to show.
struct CategoryChange {
    bool done = false;
    std::optional<Message> message;
    std::size_t entriesChanged = 0;  // entries recoded (Replace) or marked deleted
    std::string filterCode;          // Replace: the category's code now, without blanks
};

// The code that the typed text `typed` becomes in the category file: without
// surrounding blanks, cut to 10 characters.
std::string categoryCodeOf(std::string_view typed);

// The live entries of the record file that belong to the category `code` (compared as
// ChaseCat compares): the entries that deleting the category would leave without one.
std::size_t liveCategoryEntries(const std::string& recordFilePath, std::string_view code);

// Edit: the form filled with the selected category: code and name from the selection,
// the description from the first record of the category file with that code, all
// without surrounding blanks. Without a selection, or when the selected code is not in
// the category file, the message to show instead.
struct CategoryEditStart {
    std::optional<CategoryForm> form;
    std::optional<Message> message;
};
CategoryEditStart editCategory(const std::string& categoryPath, std::string_view filterCode,
                               std::string_view filterName);

// Save: adds the form's category (code, name and description without surrounding
// blanks, cut to 10, 20 and 500 characters) and sorts the file. Refused with a message
// when the code is blank or another category has it already (the frame closes in both
// cases).
CategoryChange saveCategory(const std::string& categoryPath, const CategoryForm& form);

// Replace: overwrites the first category whose code is `filterCode` with the form
// (its reserved bytes kept), sorts the file, then gives every entry of the old code in
// the record file the new code (ChaseCat, entries stay live) and the category's budget
// lines the new code (budget_file.h). `filterCode` of the
// result is the new code, which the selection takes. Refused with a message when the
// form's code is blank, the selected category is not in the file, or the new code
// belongs to another category.
CategoryChange replaceCategory(const std::string& categoryPath, const std::string& recordFilePath,
                               std::string_view filterCode, const CategoryForm& form);

// Delete, in the order of its questions:
//
// 1. A blank form code: the frame closes, nothing else happens (no message).
// 2. deleteCategoryRefusal: when set, show it and stop; the frame stays open.
// 3. Ask deleteCategoryQuestion; on No stop.
// 4. deleteCategory; the frame closes.
// 5. Ask categoryDeletedQuestion, then areYouSureQuestion; on both Yes,
//    deleteCategoryEntries.
// 6. The selection becomes all categories.

// Why Delete cannot go ahead, or nullopt: the selected category is not in the file, or
// the form's code is not the selected category's (the question names the selection,
// so the form must not point at another category).
std::optional<Message> deleteCategoryRefusal(const std::string& categoryPath,
                                             std::string_view filterCode,
                                             std::string_view formCode);

// Removes the first category whose code is `filterCode` and every record with a blank
// code, and sorts the file; the category's budget lines go with it. Not done (with the refusal
// above) when it may not.
CategoryChange deleteCategory(const std::string& categoryPath, std::string_view filterCode,
                              std::string_view formCode);

// Marks every entry of the category `filterCode` deleted (ChaseCat); they can be
// restored until the next purge. Returns the entries marked. Right after deleteCategory
// it is the rest of that change: one undo takes both back.
std::size_t deleteCategoryEntries(const std::string& recordFilePath, std::string_view filterCode);

// The messages of the frame.
Message noCategorySelectedMessage();  // Edit without a selection
Message blankCategoryCodeMessage();   // Save or Replace with a blank code
Message duplicateCategoryCodeMessage(std::string_view code);
Message categoryNotFoundMessage(std::string_view code);
Message deleteCategoryQuestion(std::string_view filterName);  // name as 20 characters
Message categoryDeletedQuestion(std::string_view filterName);
Message areYouSureQuestion();  // critical icon, No is the default

}  // namespace qbk

#endif  // QBK_MAINWINDOW_CATEGORY_EDITING_H_
