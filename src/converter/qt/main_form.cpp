#include "converter/qt/main_form.h"

#include <unistd.h>

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStorageInfo>
#include <QStyle>
#include <QWidget>

#include "converter/conversion.h"
#include "converter/qt/folder_list.h"
#include "platform/files.h"
#include "store/book_files.h"

namespace qbk::converter {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// File names as the file system holds them, for the conversion.
std::vector<std::string> namesIn(const QListWidget* list) {
    std::vector<std::string> names;
    for (int i = 0; i < list->count(); ++i) {
        names.push_back(QFile::encodeName(list->item(i)->text()).toStdString());
    }
    return names;
}

void fillFileList(QListWidget* list, const std::vector<std::string>& names) {
    list->clear();
    for (const auto& name : names)
        list->addItem(QFile::decodeName(QByteArray::fromStdString(name)));
}

// The caption with an Alt key on its first letter or digit that `taken` does not hold
// yet, which then holds it too. The captions change with the language, so their keys
// are chosen as they are set, and two captions never share one.
QString withAccessKey(QString caption, QString& taken) {
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i].toUpper();
        const bool plain = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        if (!plain || taken.contains(c)) continue;
        taken += c;
        caption.insert(i, QLatin1Char('&'));
        break;
    }
    return caption;
}

}  // namespace

// Shows the conversion's progress: the file being converted is selected in its list,
// the bar counts its records, and the pointer is an hourglass while files are worked on.
class MainForm::ListProgress final : public Progress {
  public:
    explicit ListProgress(MainForm& form) : form_(form) {}
    ~ListProgress() override { setBusy(false); }

    void fileStarted(v2::FileKind kind, std::size_t index, std::size_t count) override {
        QListWidget* list = kind == v2::FileKind::Entries ? form_.File1 : form_.File2;
        list->setCurrentRow(static_cast<int>(index));
        // The bar is full when the file's last record is done.
        form_.ProgressBar1->setRange(0,
                                     static_cast<int>(std::clamp<std::size_t>(count, 1, INT_MAX)));
        form_.ProgressBar1->setValue(0);
        form_.ProgressBar1->setVisible(true);
        repaint();
    }
    void recordDone(std::size_t number) override {
        form_.ProgressBar1->setValue(
            static_cast<int>(std::min<std::size_t>(number, form_.ProgressBar1->maximum())));
        // Painting only: the user's clicks wait until the conversion is over.
        if (number % 256 == 0) repaint();
    }
    void setBusy(bool busy) override {
        if (busy == busy_) return;
        busy_ = busy;
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }

  private:
    static void repaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

    MainForm& form_;
    bool busy_ = false;
};

MainForm::MainForm(Prompts& prompts, const Clock& clock, const std::string& programFolder,
                   RegionalSettings dates, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), stamps_(clock), dates_(dates) {
    setObjectName("MainForm");
    buildWindow();
    Form_Load(programFolder);
}

MainForm::~MainForm() = default;

void MainForm::buildWindow() {
    createMenus();
    createControls();
    createStatusBar();
    resize(620, 380);
    connectControls();
}

void MainForm::createMenus() {
    auto* fileMenu = menuBar()->addMenu("&File");
    fileMenu->setObjectName("mu_File");
    auto* exitAction = fileMenu->addAction("E&xit");
    exitAction->setObjectName("mu_Exit");
    connect(exitAction, &QAction::triggered, this, &MainForm::mu_Exit_Click);

    // The language in use is the one marked.
    auto* languageMenu = menuBar()->addMenu("&Language");
    languageMenu->setObjectName("mu_Language");
    auto* languages = new QActionGroup(languageMenu);
    for (const char* language : {"English", "Spanish", "French", "German"}) {
        auto* action = languageMenu->addAction(QString("&") + language);
        action->setObjectName(QString("mu_") + language);
        action->setCheckable(true);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { setLanguage(language); });
    }
}

void MainForm::createControls() {
    auto* central = new QWidget(this);
    Drive1 = new QComboBox(central);
    Drive1->setObjectName("Drive1");
    Dir1 = new FolderList(central);
    Dir1->setObjectName("Dir1");
    DatListLabel = new QLabel(central);
    DatListLabel->setObjectName("DatListLabel");
    CatListLabel = new QLabel(central);
    CatListLabel->setObjectName("CatListLabel");
    File1 = new QListWidget(central);
    File1->setObjectName("File1");
    File2 = new QListWidget(central);
    File2->setObjectName("File2");
    DatListLabel->setBuddy(File1);
    CatListLabel->setBuddy(File2);
    ProgressBar1 = new QProgressBar(central);
    ProgressBar1->setObjectName("ProgressBar1");
    QSizePolicy keepPlace = ProgressBar1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(keepPlace);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setVisible(false);
    StartButton = new QPushButton(central);
    StartButton->setObjectName("StartButton");
    StartButton->setDefault(true);
    HelpButton = new QPushButton(central);
    HelpButton->setObjectName("HelpButton");

    layOutControls(central);
    setCentralWidget(central);
}

void MainForm::layOutControls(QWidget* central) {
    auto* grid = new QGridLayout(central);
    grid->addWidget(Drive1, 0, 0);
    grid->addWidget(Dir1, 1, 0, 2, 1);
    grid->addWidget(DatListLabel, 0, 1);
    grid->addWidget(File1, 1, 1);
    grid->addWidget(CatListLabel, 0, 2);
    grid->addWidget(File2, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(StartButton);
    buttons->addWidget(HelpButton);
    grid->addLayout(buttons, 2, 1, 1, 2, Qt::AlignBottom);
    grid->addWidget(ProgressBar1, 3, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
}

void MainForm::createStatusBar() {
    // Where the converted book goes (and went): the folder the converter runs from.
    TargetLabel = new QLabel(this);
    TargetLabel->setObjectName("TargetLabel");
    TargetLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* targetIcon = new QLabel(this);
    targetIcon->setPixmap(style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(16, 16));
    statusBar()->addWidget(targetIcon);
    statusBar()->addWidget(TargetLabel, 1);
    statusBar()->setSizeGripEnabled(false);
}

void MainForm::connectControls() {
    connect(Drive1, &QComboBox::activated, this, &MainForm::Drive1_Change);
    connect(Dir1, &FolderList::pathChanged, this, &MainForm::Dir1_Change);
    connect(StartButton, &QPushButton::clicked, this, &MainForm::StartButton_Click);
    connect(HelpButton, &QPushButton::clicked, this, &MainForm::HelpButton_Click);
}

void MainForm::Form_Load(const std::string& programFolder) {
    ::chdir(programFolder.c_str());
    setLanguage("English");
    startFolder_ = withTrailingSlash(QDir::currentPath().trimmed().toStdString());
    newDataFilePath_ = startFolder_ + std::string(kRecordFileName);
    newCategoryFilePath_ = startFolder_ + std::string(kCategoryFileName);
    TargetLabel->setText(QFile::decodeName(QByteArray::fromStdString(newDataFilePath_)) + ",  " +
                         QFile::decodeName(QByteArray::fromStdString(newCategoryFilePath_)));
    fillDrives();
    Dir1->setPath(QDir::currentPath());
    selectDriveOf(Dir1->path());
}

QString MainForm::GetString(const QString& key) {
    const std::string k = key.toStdString();
    if (key == "StartButton") StartButton->setToolTip(qs(strings_.ToolTip(k)));
    if (key == "HelpButton") HelpButton->setToolTip(qs(strings_.ToolTip(k)));
    return qs(strings_.GetString(k));
}

void MainForm::SetFixedCaptions() {
    setWindowTitle(GetString("MainForm"));
    QString taken = QStringLiteral("FL");  // the File and Language menus
    StartButton->setText(withAccessKey(GetString("StartButton"), taken));
    HelpButton->setText(withAccessKey(GetString("HelpButton"), taken));
    DatListLabel->setText(withAccessKey(GetString("DatListLabel"), taken));
    CatListLabel->setText(withAccessKey(GetString("CatListLabel"), taken));
}

void MainForm::setLanguage(const char* language) {
    strings_.CurrentLanguage = language;
    if (auto* item = findChild<QAction*>(QString("mu_") + language)) item->setChecked(true);
    SetFixedCaptions();
}

void MainForm::fillDrives() {
    Drive1->clear();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(root).isDir() ||
            roots.contains(root)) {
            continue;
        }
        roots.append(root);
    }
    if (!roots.contains("/")) roots.append("/");
    roots.sort();
    for (const QString& root : roots)
        Drive1->addItem(root, root);
}

void MainForm::selectDriveOf(const QString& folder) {
    // The deepest mount point that holds the folder.
    int best = -1;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString root = Drive1->itemData(i).toString();
        const bool holds = root == "/" || folder == root || folder.startsWith(root + "/");
        if (holds && (best < 0 || root.size() > Drive1->itemData(best).toString().size())) {
            best = i;
        }
    }
    Drive1->setCurrentIndex(best);
}

void MainForm::Drive1_Change() {
    Dir1->setPath(Drive1->currentData().toString());
}

void MainForm::Dir1_Change() {
    const v2::Files found = v2::findFiles(Dir1->path().toStdString());
    fillFileList(File1, found.entryFiles);
    fillFileList(File2, found.categoryFiles);
}

void MainForm::StartButton_Click() {
    ConversionPlan plan;
    plan.sourceFolder = withTrailingSlash(QFile::encodeName(Dir1->path()).toStdString());
    plan.entryFiles = namesIn(File1);
    plan.categoryFiles = namesIn(File2);
    plan.targetFolder = startFolder_;
    ConversionOptions options;
    options.dates = dates_;
    ListProgress progress(*this);
    runConversion(plan, options, prompts_, progress, stamps_, strings_);
    // The run is over: a bar left in view stands full.
    ProgressBar1->setValue(ProgressBar1->maximum());
}

void MainForm::HelpButton_Click() {
    prompts_.inform(GetString("ConverterHelpPrompt").toStdString(),
                    GetString("ConverterHelpTitle").toStdString());
}

void MainForm::mu_Exit_Click() {
    close();
}

}  // namespace qbk::converter
