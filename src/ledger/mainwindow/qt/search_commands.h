// The &Search menu: a complete word, a word fragment, or a value of a user field picked
// from its pick list. The commands ask and set the search; the list refresh matches.
// A search lasts until the list is narrowed to a category or all categories are shown.
//
// The value picker: UDFSearchList takes the place of the category list and
// UDFSearchPrompt that of "All Categories"; clicking a value searches for it, clicking
// the prompt leaves the picker with nothing changed.
#ifndef QBK_MAINWINDOW_QT_SEARCH_COMMANDS_H_
#define QBK_MAINWINDOW_QT_SEARCH_COMMANDS_H_

#include <QObject>

class QListWidgetItem;

namespace qbk {

class QBK_3_Main;

class SearchCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches the menu items and the picker; owned by the window.
    explicit SearchCommands(QBK_3_Main& window);

    void mu_SearchComplete_Click() { askWord(true); }
    void mu_SearchFragment_Click() { askWord(false); }
    void mu_SearchUDF1_Click() { openPicker(1); }
    void mu_SearchUDF2_Click() { openPicker(2); }
    void UDFSearchList_Click(QListWidgetItem* item);
    void UDFSearchPrompt_Click();

  private:
    void askWord(bool completeWord);
    void openPicker(int field);
    void closePicker();

    QBK_3_Main& window_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_SEARCH_COMMANDS_H_
