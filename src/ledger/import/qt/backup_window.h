// frmBackup: the full data backup window. It lists the data files of the data folder
// (the source) and copies them all into a target folder that the user picks with a
// drive list and a folder tree, replacing files of the same name there. The copy and
// every text shown come from import/full_backup.h.
#ifndef QBK_IMPORT_QT_BACKUP_WINDOW_H_
#define QBK_IMPORT_QT_BACKUP_WINDOW_H_

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;

namespace qbk {

class QBK_3_Main;

class frmBackup : public QDialog {
    Q_OBJECT
  public:
    // A window over `window` for its data folder, source and target both that folder
    // at first. Shown with exec().
    explicit frmBackup(QBK_3_Main& window);

    // The drive chosen in BackUpDrive: the folder tree shows it and the target becomes
    // its root. A drive that cannot be read gets the common error message and the
    // target stays where it was.
    void BackUpDrive_Change();
    // The folder chosen in BackUpDir becomes the target.
    void BackUpDir_Change();
    // Copies every listed file into the target, refused when the target is the source.
    void RunBackup_Click();
    // Closes the window.
    void StopBackup_Click();

    // Shows `folder` in the folder tree (on its drive) and makes it the target, as a
    // user's pick does. False, changing nothing, when it is not a readable folder.
    bool setTargetFolder(const QString& folder);
    // The folder the tree has selected (no "/" at its end, except the root).
    QString dirPath() const { return dirPath_; }

  private:
    void createSourceList();
    void createTargetTree();
    void createButtons();
    void layOutControls();
    void connectControls();
    void Form_Load();
    void fillDrives();
    void showDriveOf(const QString& folder);
    void showFolder(const QString& folder);

    QBK_3_Main& window_;
    QString dirPath_;
    // The tree is filled in the background: the selected folder is scrolled into view
    // once the folder that holds it has been read.
    bool scrollPending_ = false;
    QFileSystemModel* folders_;

    QLabel* Backuplist;
    QListWidget* BackMeUp;
    QComboBox* BackUpDrive;
    QTreeView* BackUpDir;
    QLabel* BackUpTarget;
    QLabel* BackUpProgress;
    QPushButton* RunBackup;
    QPushButton* StopBackup;
};

}  // namespace qbk

#endif  // QBK_IMPORT_QT_BACKUP_WINDOW_H_
