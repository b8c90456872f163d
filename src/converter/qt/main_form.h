// MainForm, the converter's one window: drive and folder lists to find the old folder,
// the version-2 files found there, and the Start and Help buttons. Every text comes
// from the language table, in the language chosen (and marked) in the Language menu;
// the status bar names the version-3 files the conversion appends to.
#ifndef QBK_CONVERTER_QT_MAIN_FORM_H_
#define QBK_CONVERTER_QT_MAIN_FORM_H_

#include <QMainWindow>
#include <string>

#include "converter/language_strings.h"
#include "platform/clock.h"
#include "platform/ports.h"
#include "platform/regional.h"
#include "platform/stamps.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace qbk::converter {

class FolderList;

class MainForm : public QMainWindow {
    Q_OBJECT
  public:
    // `programFolder` is the converter's own folder: it becomes the current folder,
    // receives the version-3 files and is where the folder list starts.
    MainForm(Prompts& prompts, const Clock& clock, const std::string& programFolder,
             RegionalSettings dates, QWidget* parent = nullptr);
    ~MainForm() override;

    // The text of `key` in the current language; for "StartButton" and "HelpButton"
    // it also sets that button's tool tip.
    QString GetString(const QString& key);
    // Window title, button captions and list headings in the current language.
    void SetFixedCaptions();

    const std::string& CurrentLanguage() const { return strings_.CurrentLanguage; }
    const std::string& NewDataFilePath() const { return newDataFilePath_; }
    const std::string& NewCategoryFilePath() const { return newCategoryFilePath_; }

  public slots:
    void Drive1_Change();
    void Dir1_Change();
    void StartButton_Click();
    void HelpButton_Click();
    void mu_Exit_Click();

  private:
    class ListProgress;

    void Form_Load(const std::string& programFolder);
    void buildWindow();
    void createMenus();
    void createControls();
    void layOutControls(QWidget* central);
    void createStatusBar();
    void connectControls();
    void setLanguage(const char* language);
    void fillDrives();
    void selectDriveOf(const QString& folder);

    Prompts& prompts_;
    StampSource stamps_;
    RegionalSettings dates_;
    LanguageStrings strings_;
    std::string startFolder_;
    std::string newDataFilePath_;
    std::string newCategoryFilePath_;

    QComboBox* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QListWidget* File2 = nullptr;
    QLabel* DatListLabel = nullptr;
    QLabel* CatListLabel = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* TargetLabel = nullptr;
};

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_QT_MAIN_FORM_H_
