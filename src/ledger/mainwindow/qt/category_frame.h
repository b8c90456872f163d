// The category frame of the main window: adding, changing and removing categories.
//
// CategoryFrameCommands fills the window's CategoryFrame with its boxes and buttons
// and attaches "New Category" and "Edit Category". The frame always works on the
// category selected in the category list (CategoryFilterCode, CategoryFilterName) at
// the moment a button is pressed; the file work and every text shown come from
// mainwindow/category_editing.h. A failing file operation shows the common error
// message and leaves the files as they were.
#ifndef QBK_MAINWINDOW_QT_CATEGORY_FRAME_H_
#define QBK_MAINWINDOW_QT_CATEGORY_FRAME_H_

#include <QObject>

#include "mainwindow/category_editing.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qbk {

class QBK_3_Main;

class CategoryFrameCommands : public QObject {
    Q_OBJECT
  public:
    // Builds the frame's controls and attaches the menu commands; owned by `window`.
    explicit CategoryFrameCommands(QBK_3_Main& window);

    // Menu commands: an empty frame, or the frame filled with the selected category.
    void mu_NewCategory_Click();
    void mu_EditCategory_Click();
    // The frame's buttons.
    void SaveCat_Click();
    void ReplaceCat_Click();
    void DeleteCat_Click();
    void QuitCat_Click();

    // What the three boxes hold (the description with CR LF line breaks).
    CategoryForm form() const;

  private:
    void build();
    void setForm(const CategoryForm& form);
    void open(bool existing);
    void close();
    // Back to all categories and a list refresh, as after a Delete.
    void showAllCategories();

    QBK_3_Main& window_;
    QLineEdit* CatCodeEd = nullptr;
    QLineEdit* CatLabelEd = nullptr;
    QPlainTextEdit* CatDescriptionEd = nullptr;
    QPushButton* SaveCat = nullptr;
    QPushButton* ReplaceCat = nullptr;
    QPushButton* DeleteCat = nullptr;
    QPushButton* QuitCat = nullptr;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_CATEGORY_FRAME_H_
