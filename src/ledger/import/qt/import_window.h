// qbk3cdi: the import window. The user picks a file: comma-delimited text (.txt, .csv),
// whose first lines are shown split into numbered fields to be linked to the entry
// fields by clicking a field line and then a link box, with the layout of a bank's
// export (separator, lines that are no entries, debit and credit or sign fields) set
// beside them or taken from a saved import profile, or a bank statement (.ofx, .qfx,
// .qif, MT940, camt.053), which needs no links. The preview table below shows the entry each line
// becomes, marks the lines the book already holds (left out unless the user ticks
// them), and lets the user pick categories, which teaches the payee rules. Import
// writes what the table shows. The file work and every text come from import/.
#ifndef QBK_IMPORT_QT_IMPORT_WINDOW_H_
#define QBK_IMPORT_QT_IMPORT_WINDOW_H_

#include <QDialog>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "import/import_batch.h"
#include "import/import_profiles.h"
#include "platform/errors.h"
#include "store/category_record.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;

namespace qbk {

class QBK_3_Main;
class ImportPreviewModel;
class CategoryPickDelegate;

class qbk3cdi : public QDialog {
    Q_OBJECT
  public:
    // A window over `window`, importing into its record file. Shown with exec(). With
    // `sortAfter` (File > Import Bank File...) the record file is sorted by date in the
    // same write as the import and the list refreshed.
    explicit qbk3cdi(QBK_3_Main& window, bool sortAfter = false);
    ~qbk3cdi() override;

    // Asks for the file, offers the internal backup, then shows it: a comma-delimited
    // file's line count and first lines split into fields (a new file empties the links
    // and resets the layout, then takes the saved profile whose line of column names the
    // file has), a statement's transactions (asking the order of day and month when its
    // dates read both ways).
    void SelectFile_Click();
    // Saves the links and the layout (with the choices made from the file) as a named
    // import profile, for the next file with the same line of column names.
    void SaveLayout_Click();
    // Reads the file in the profile chosen in ProfileBox.
    void ProfileBox_Activated(int index);
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
    // The first line of a comma-delimited file holds column names, or not.
    void HeaderCheck_Click();
    // Opens the payee rules editor; the rules kept are written and placed at once.
    void RulesButton_Click();
    // The import: a comma-delimited file needs a date and an amount link; asks first,
    // and for statement lines without a category whether they go to IMPORT; then writes
    // the lines ticked in the preview (all or none) and reports the count. The window
    // stays open, its lines now marked as in the book.
    void Command1_Click();
    // Closes the window.
    void Command2_Click();

    const std::string& importFileName() const { return ImportFileName; }
    std::size_t importLineCount() const { return ImportLineCount; }
    const std::string& linkNo() const { return LinkNo; }
    // The captions of the six link boxes.
    ImportLinks links() const;
    // The layout the controls describe (choices left to the file left open).
    DelimitedLayout layout() const;
    const ImportBatch& batch() const { return batch_; }
    // The user picked `code` for preview row `row`.
    void chooseCategory(int row, const std::string& code);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createPreview();
    void layOut();
    QLabel* makeLinkBox(const char* name);
    void linkClick(QLabel* box);
    void CreateBackupFile();
    void showDelimitedFile();
    void showStatement();
    void refreshDelimitedPreview();
    void loadCategories();
    void showPreviewSummary();
    void setLinkingEnabled(bool enabled);
    void createLayoutControls();
    void resetLayout();
    void applyProfile(const ImportProfile& profile);
    void loadProfiles();
    void showAmountKind();
    void layoutChanged();
    ImportLinks importLinks() const;
    bool linksComplete() const;
    void refreshFieldList(const DelimitedLayout& layout, const DelimitedFooter& footer);
    bool savePayeeRules();
    void step(int value);

    QBK_3_Main& window_;
    bool sortAfter_;
    std::string ImportFileName;
    std::size_t ImportLineCount = 0;
    std::string LinkNo;

    std::optional<ImportFormat> format_;
    std::string fileText_;                        // the chosen comma-delimited file
    std::optional<OperationError> previewError_;  // why its lines do not convert
    bool headerTouched_ = false;
    bool applying_ = false;                  // controls being set: no refresh yet
    std::vector<ImportProfile> profiles_;    // of ProfileBox, after its "(none)"
    QString profileNote_;                    // which profile the layout came from
    QString accountsNote_;                   // a statement of several accounts
    std::optional<DelimitedLayout> asRead_;  // the layout the preview was read in
    DelimitedFooter footer_;
    ImportBatch batch_;
    std::optional<StatementBalance> ledgerBalance_;  // of the OFX statement shown
    PayeeRules rules_;
    std::vector<CategoryRecord> categories_;

    QPushButton* SelectFile;
    QPushButton* ClearFields;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* RulesButton;
    QLabel* Instructions;
    QListWidget* InputList;
    QLabel* Label1;
    QLabel* DateLink;
    QLabel* AmountLink;
    QLabel* NoteLink;
    QLabel* CatLink;
    QLabel* UDF1Link;
    QLabel* UDF2Link;
    QCheckBox* HeaderCheck;
    QLabel* Note2Link;
    QLabel* DebitLink;
    QLabel* CreditLink;
    QLabel* SignLink;
    QLineEdit* DebitWordsBox;
    QComboBox* SeparatorBox;
    QSpinBox* SkipLinesBox;
    QSpinBox* FooterBox;
    QComboBox* AmountKindBox;
    QCheckBox* NegateCheck;
    QComboBox* ProfileBox;
    QPushButton* SaveLayout;
    std::vector<std::pair<QLabel*, QWidget*>> rowLabels_;  // label of each control
    QComboBox* DateFormatBox;
    QComboBox* DecimalBox;
    QTableView* PreviewGrid;
    QLabel* PreviewStatus;
    QProgressBar* ProgressBar1;
    ImportPreviewModel* previewModel_;
    CategoryPickDelegate* categoryPick_;
};

}  // namespace qbk

#endif  // QBK_IMPORT_QT_IMPORT_WINDOW_H_
