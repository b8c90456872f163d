// The entry form EditFrame: new entries, and changing or deleting the entry opened from
// the list. One form serves both; how it was opened decides which buttons work:
//   - New Entry (F2, Insert, toolbar "New"): the list and "All Categories" are disabled
//     until the form closes; Replace and Delete are disabled; EditStamp is unchanged.
//   - An entry opened from the list (double-click, Enter, Edit Entry): every button
//     works and the list stays live, so another entry can be opened over it.
// Saving (New, Replace, Delete) writes the record file and ends by closing the form and
// refreshing the list; a refusal, a No, or a file that cannot be written leaves the
// form open with what was typed. Close (the button, Esc) writes nothing.
//
// The user fields offer the values remembered in their pick lists (udf1.dat, udf2.dat
// in the data folder); a value typed into a field whose save flag is "Y" is remembered
// when the entry is saved. The date is typed, picked from the calendar or stepped with
// the date buttons; macro-edit mode disables them all, and Replace in that mode stores
// today for an expense and keeps the entry's own date for income.
#ifndef QBK_MAINWINDOW_QT_ENTRY_FORM_H_
#define QBK_MAINWINDOW_QT_ENTRY_FORM_H_

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "mainwindow/entry_editing.h"
#include "store/entry_record.h"
#include "store/record_file.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qbk {

class QBK_3_Main;
class SettingsRecord;
class TypedDateBox;

// The user fields' names from the settings on their labels in the entry form, each with
// an Alt key to its pick list that no menu or button of the form holds.
void showUserFieldNames(QLabel& first, QLabel& second, const SettingsRecord& settings);

class EntryForm : public QObject {
    Q_OBJECT
  public:
    // Fills the window's EditFrame and attaches the commands; owned by the window.
    explicit EntryForm(QBK_3_Main& window);

    // Opening the form.
    void mu_NewEntry_Click();
    void MainGrid_DblClick();
    void PumpUpEditBox();

    // The saving commands and Close.
    void NewIncomeButton_Click() { saveNew(true); }
    void NewExpenseButton_Click() { saveNew(false); }
    void ReplaceIncomeButton_Click() { replace(true); }
    void ReplaceExpenseButton_Click() { replace(false); }
    void DeleteButton_Click();
    void CloseButton_Click();
    // Deletes the entry of the list's current row after Delete's question, without the
    // form (Del on the list).
    void deleteSelectedEntry();

    // The date buttons.
    void TodayButton_Click();
    void moveDate(int days);

    // A category taken from the category list.
    void takeCategory(const std::string& code, const std::string& name);
    // Removes the value shown in user field 1 or 2 from its pick list.
    void removePickListValue(int field);

    // What the boxes hold.
    EntryFormText text() const;
    // Macro-edit mode: the date box and its buttons are off.
    void setDateEditable(bool editable);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createDateRow(QGridLayout* grid);
    void createCategoryRow(QGridLayout* grid);
    void createNoteRow(QGridLayout* grid);
    void createUserFieldRow(QGridLayout* grid);
    void createCommandButtons(QGridLayout* grid);
    QLabel* newLabel(const QString& caption) const;
    void saveNew(bool income);
    void replace(bool income);
    // Replace and Delete write here: `record` over the entry `opened` names, with
    // `alsoWrite` (the pick lists of a replace) in the same change of the book. False,
    // with the user told, when the entry is gone or a write failed; nothing is changed.
    bool writeOver(const OpenedRecord& opened, EntryRecord& record, StampSource* stamps,
                   const std::function<void()>& alsoWrite = {});
    // New, Replace and Delete end here: the form closes and the list is rebuilt.
    void finishSave();
    // The form closes: the user fields' lists of remembered values go with it.
    void hideForm();
    void loadPickList(QComboBox* box, int field);
    void setAmountColour(bool expense);

    QBK_3_Main& window_;
    // The entry as it was opened: Delete writes it back marked deleted, whatever the
    // boxes hold now.
    EntryRecord loaded_;
    // The record the form was opened on: Replace and Delete write back to it alone.
    OpenedRecord opened_;

    TypedDateBox* DateBox = nullptr;
    QPushButton* TodayButton = nullptr;
    QLineEdit* AmountBox = nullptr;
    QLineEdit* CategoryCodeBox = nullptr;
    QLineEdit* CategoryBox = nullptr;
    QLineEdit* NoteBox = nullptr;
    QLabel* User1Label = nullptr;
    QLabel* User2Label = nullptr;
    QComboBox* UserList1 = nullptr;
    QComboBox* UserList2 = nullptr;
    QPushButton* NewIncomeButton = nullptr;
    QPushButton* NewExpenseButton = nullptr;
    QPushButton* ReplaceIncomeButton = nullptr;
    QPushButton* ReplaceExpenseButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* udf1Delete_ = nullptr;
    QPushButton* udf2Delete_ = nullptr;
    std::vector<QPushButton*> dateButtons_;  // the step buttons and "!"
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_ENTRY_FORM_H_
