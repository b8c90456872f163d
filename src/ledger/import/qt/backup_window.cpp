#include "import/qt/backup_window.h"

#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <cerrno>

#include "import/full_backup.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/errors.h"
#include "platform/qt/qt_text.h"

namespace qbk {
namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

// The folder as the file system names it (links followed), so that it can be found
// under the mount point that holds it; the path as given when it does not exist.
QString realFolder(const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() ? folder : real;
}

// A mount point "/media/usb/" as a folder path "/media/usb" ("/" stays).
QString folderOfDrive(const QString& drive) {
    QString path = drive;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

}  // namespace

frmBackup::frmBackup(QBK_3_Main& window) : QDialog(&window), window_(window) {
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(tr("Quillbank Data Backup"));
    setModal(true);
    createSourceList();
    createTargetTree();
    createButtons();
    layOutControls();
    resize(640, 440);

    Form_Load();
    // The target is what the user comes to choose.
    BackUpDir->setFocus();
    connectControls();
}

void frmBackup::createSourceList() {
    Backuplist = makeLabel(this, "Backuplist", tr("File list"));
    Backuplist->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    BackMeUp = new QListWidget(this);
    BackMeUp->setObjectName(QStringLiteral("BackMeUp"));
    BackMeUp->setToolTip(tr("These are the files to be backed up"));
    BackMeUp->setSelectionMode(QAbstractItemView::SingleSelection);
}

void frmBackup::createTargetTree() {
    BackUpDrive = new QComboBox(this);
    BackUpDrive->setObjectName(QStringLiteral("BackUpDrive"));
    BackUpDrive->setToolTip(tr("This specifies the TARGET drive"));

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    folders_->setReadOnly(true);
    BackUpDir = new QTreeView(this);
    BackUpDir->setObjectName(QStringLiteral("BackUpDir"));
    BackUpDir->setToolTip(tr("This specifies the TARGET folder"));
    BackUpDir->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        BackUpDir->hideColumn(column);
    BackUpDir->setHeaderHidden(true);
    BackUpDir->setMinimumSize(260, 220);

    BackUpTarget = makeLabel(this, "BackUpTarget", tr("target"));
    BackUpTarget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    BackUpProgress = makeLabel(this, "BackUpProgress", tr("progress"));
}

void frmBackup::createButtons() {
    RunBackup = new QPushButton(tr("&Copy all Source files to Target"), this);
    RunBackup->setObjectName(QStringLiteral("RunBackup"));
    RunBackup->setToolTip(tr("Start data backup process"));
    RunBackup->setAutoDefault(false);
    StopBackup = new QPushButton(tr("C&lose"), this);
    StopBackup->setObjectName(QStringLiteral("StopBackup"));
    StopBackup->setToolTip(tr("Quit data backup utility"));
    StopBackup->setAutoDefault(false);
    // Enter copies, as the window is for nothing else; Esc closes it.
    RunBackup->setDefault(true);
}

void frmBackup::layOutControls() {
    auto* grid = new QGridLayout(this);
    auto* source = new QLabel(tr("&Source:"), this);
    source->setBuddy(BackMeUp);
    auto* target = new QLabel(tr("&Target:"), this);
    target->setBuddy(BackUpDir);
    grid->addWidget(source, 0, 0);
    grid->addWidget(Backuplist, 1, 0);
    grid->addWidget(BackMeUp, 2, 0, 2, 1);
    grid->addWidget(target, 0, 1);
    grid->addWidget(BackUpTarget, 1, 1);
    grid->addWidget(BackUpDrive, 2, 1);
    grid->addWidget(BackUpDir, 3, 1);
    grid->addWidget(BackUpProgress, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(RunBackup);
    buttons->addStretch(1);
    buttons->addWidget(StopBackup);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
}

void frmBackup::connectControls() {
    connect(BackUpDrive, &QComboBox::currentIndexChanged, this, &frmBackup::BackUpDrive_Change);
    connect(BackUpDir->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid()) return;
                scrollPending_ = false;
                dirPath_ = folders_->filePath(current);
                BackUpDir_Change();
            });
    // The model reads and sorts folders in the background, a large one in batches; the
    // selected folder is kept in view until the user moves in the tree.
    const auto keepInView = [this] {
        if (scrollPending_)
            BackUpDir->scrollTo(BackUpDir->currentIndex(), QAbstractItemView::PositionAtCenter);
    };
    connect(folders_, &QFileSystemModel::directoryLoaded, this, keepInView);
    connect(folders_, &QFileSystemModel::layoutChanged, this, keepInView);
    connect(BackUpDir, &QTreeView::pressed, this, [this] { scrollPending_ = false; });
    connect(BackUpDir->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { scrollPending_ = false; });
    connect(RunBackup, &QPushButton::clicked, this, &frmBackup::RunBackup_Click);
    connect(StopBackup, &QPushButton::clicked, this, &frmBackup::StopBackup_Click);
}

void frmBackup::Form_Load() {
    const QString folder = qs(window_.state().DataFolder);
    BackUpTarget->setText(folder);
    Backuplist->setText(folder);
    fillDrives();
    showDriveOf(realFolder(folder));
    showFolder(realFolder(folder));
    window_.prompts().attempt([&] {
        for (const std::string& name : backupFileNames(window_.state().DataFolder))
            BackMeUp->addItem(qs(name));
    });
}

void frmBackup::fillDrives() {
    for (const std::string& drive : mountedDrives())
        BackUpDrive->addItem(qs(drive));
}

// Selects the drive that holds `folder` (the longest mount point it lies under) and
// shows that drive in the folder tree.
void frmBackup::showDriveOf(const QString& folder) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < BackUpDrive->count(); ++i) {
        const QString drive = BackUpDrive->itemText(i);
        const bool under = (folder + QLatin1Char('/')).startsWith(drive);
        if (under && drive.size() > bestLength) {
            best = i;
            bestLength = drive.size();
        }
    }
    const QString drive = best >= 0 ? BackUpDrive->itemText(best) : QStringLiteral("/");
    const bool blocked = BackUpDrive->blockSignals(true);
    BackUpDrive->setCurrentIndex(best);
    BackUpDrive->blockSignals(blocked);
    const QString root = folderOfDrive(drive);
    folders_->setRootPath(root);
    BackUpDir->setRootIndex(folders_->index(root));
}

// Selects `folder` in the tree, its parents opened, as the folder of BackUpDir.
void frmBackup::showFolder(const QString& folder) {
    dirPath_ = folder;
    const QModelIndex index = folders_->index(folder);
    if (!index.isValid() || index == BackUpDir->rootIndex()) return;
    for (QModelIndex p = index.parent(); p.isValid() && p != BackUpDir->rootIndex(); p = p.parent())
        BackUpDir->expand(p);
    QItemSelectionModel* selection = BackUpDir->selectionModel();
    const bool blocked = selection->blockSignals(true);
    BackUpDir->setCurrentIndex(index);
    selection->blockSignals(blocked);
    BackUpDir->scrollTo(index);
    scrollPending_ = true;
}

bool frmBackup::setTargetFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) return false;
    const QString real = realFolder(folder);
    showDriveOf(real);
    showFolder(real);
    BackUpDir_Change();
    return true;
}

void frmBackup::BackUpDrive_Change() {
    const QString drive = BackUpDrive->currentText();
    const QString root = folderOfDrive(drive);
    if (::access(root.toLocal8Bit().constData(), R_OK | X_OK) != 0) {
        window_.showError(OperationError::fromErrno(errno, utf8(drive)));
        // The folder tree stays where it was, and so does its drive.
        showDriveOf(dirPath_);
        showFolder(dirPath_);
    } else {
        folders_->setRootPath(root);
        BackUpDir->setRootIndex(folders_->index(root));
        BackUpDir->selectionModel()->clearCurrentIndex();
        dirPath_ = root;
    }
    BackUpTarget->setText(dirPath_);
}

void frmBackup::BackUpDir_Change() {
    BackUpTarget->setText(dirPath_);
}

void frmBackup::RunBackup_Click() {
    const std::string target = backupFolderCaption(utf8(BackUpTarget->text()));
    BackUpTarget->setText(qs(target));
    const std::string source = backupFolderCaption(utf8(Backuplist->text()));
    Backuplist->setText(qs(source));

    RunBackup->setEnabled(false);
    std::optional<Message> refusal;
    try {
        refusal = runBackup(
            source, target,
            [this](const std::string& name) {
                QApplication::processEvents();
                const QList<QListWidgetItem*> items =
                    BackMeUp->findItems(qs(name), Qt::MatchExactly);
                if (!items.isEmpty()) BackMeUp->setCurrentItem(items.front());
                BackUpProgress->setText(qs(copyingCaption(name)));
                BackUpProgress->repaint();
            },
            window_.services().programFolder + std::string(kSettingsFileName));
    } catch (const OperationError& e) {
        RunBackup->setEnabled(true);
        window_.showError(e);
        return;
    }
    RunBackup->setEnabled(true);
    window_.prompts().message(refusal ? *refusal : backupFinishedMessage());
}

void frmBackup::StopBackup_Click() {
    reject();
}

}  // namespace qbk
