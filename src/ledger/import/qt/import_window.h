// qbk3cdi: the import window. The user picks a .txt or .csv file, sees its first lines
// split into numbered fields, links field numbers to the entry fields by clicking a
// field line and then a link box, and imports. The file work and every text shown
// come from import/; the window keeps what the user chose until it closes.
#ifndef QBK_IMPORT_QT_IMPORT_WINDOW_H_
#define QBK_IMPORT_QT_IMPORT_WINDOW_H_

#include <QDialog>
#include <cstddef>
#include <string>

#include "import/comma_import.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace qbk {

class QBK_3_Main;

class qbk3cdi : public QDialog {
    Q_OBJECT
  public:
    // A window over `window`, importing into its record file. Shown with exec().
    explicit qbk3cdi(QBK_3_Main& window);

    // Asks for the file, offers the internal backup, then shows the file's line count
    // and its first lines split into fields. A new file replaces the list and keeps
    // the links.
    void SelectFile_Click();
    // Empties the six link boxes; the list stays.
    void ClearFields_Click();
    // Takes the selected list line as the candidate for the next link box.
    void InputList_Click();
    // A link box takes the field number of the selected list line (GetLinkNo); a
    // record header line, or no selection, empties it.
    void DateLink_Click();
    void AmountLink_Click();
    void NoteLink_Click();
    void CatLink_Click();
    void UDF1Link_Click();
    void UDF2Link_Click();
    // The import: refused without a date and an amount link; asks first; then appends
    // every line's entry (all or none) and reports the count. The window stays open.
    void Command1_Click();
    // Closes the window.
    void Command2_Click();

    const std::string& importFileName() const { return ImportFileName; }
    std::size_t importLineCount() const { return ImportLineCount; }
    const std::string& linkNo() const { return LinkNo; }
    // The captions of the six link boxes.
    ImportLinks links() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* makeLinkBox(const char* name);
    void linkClick(QLabel* box);
    void CreateBackupFile();

    QBK_3_Main& window_;
    std::string ImportFileName;
    std::size_t ImportLineCount = 0;
    std::string LinkNo;

    QPushButton* SelectFile;
    QPushButton* ClearFields;
    QPushButton* Command1;
    QPushButton* Command2;
    QListWidget* InputList;
    QLabel* Label1;
    QLabel* DateLink;
    QLabel* AmountLink;
    QLabel* NoteLink;
    QLabel* CatLink;
    QLabel* UDF1Link;
    QLabel* UDF2Link;
    QProgressBar* ProgressBar1;
};

}  // namespace qbk

#endif  // QBK_IMPORT_QT_IMPORT_WINDOW_H_
