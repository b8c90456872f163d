#include "import/qt/import_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "import/import_preview.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/wait_cursor.h"
#include "platform/errors.h"
#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"

namespace qbk {
namespace {

QLabel* makeHeading(QWidget* parent, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

qbk3cdi::qbk3cdi(QBK_3_Main& window) : QDialog(&window), window_(window) {
    setObjectName(QStringLiteral("qbk3cdi"));
    setWindowTitle(QStringLiteral("Comma-Delimited Import Field Selector"));
    setModal(true);

    SelectFile = namedButton(this, "SelectFile", "Select File", "Click to select a file to import");
    ClearFields =
        namedButton(this, "ClearFields", "Clear Fields", "Clear all fields and start over");
    Command1 = namedButton(this, "Command1", "Import", "Start the import operation");
    Command2 =
        namedButton(this, "Command2", "Cancel", "Quit import utility without further action");

    auto* instructions = new QLabel(qs(kImportInstructions), this);
    instructions->setObjectName(QStringLiteral("Instructions"));
    instructions->setWordWrap(true);
    instructions->setMinimumWidth(230);
    instructions->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    Label1 = new QLabel(QStringLiteral("Import file name... ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral("this is the file you have selected"));
    Label1->setWordWrap(true);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    InputList = new QListWidget(this);
    InputList->setObjectName(QStringLiteral("InputList"));
    InputList->setToolTip(QStringLiteral("Import File Data Fields"));
    InputList->setMinimumSize(260, 240);

    DateLink = makeLinkBox("DateLink");
    AmountLink = makeLinkBox("AmountLink");
    NoteLink = makeLinkBox("NoteLink");
    CatLink = makeLinkBox("CatLink");
    UDF1Link = makeLinkBox("UDF1Link");
    UDF2Link = makeLinkBox("UDF2Link");

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    auto* left = new QVBoxLayout;
    left->addWidget(instructions, 1);
    for (QPushButton* b : {SelectFile, ClearFields, Command1, Command2})
        left->addWidget(b);

    auto* middle = new QGridLayout;
    middle->addWidget(makeHeading(this, "Quillbank Fields"), 0, 0, 1, 2);
    const std::pair<const char*, QLabel*> rows[] = {
        {"Date", DateLink},    {"Amount", AmountLink},     {"Note", NoteLink},
        {"Category", CatLink}, {"User Field 1", UDF1Link}, {"User Field 2", UDF2Link},
    };
    int row = 1;
    for (const auto& [caption, box] : rows) {
        middle->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0);
        middle->addWidget(box, row, 1);
        ++row;
    }
    middle->setRowStretch(row, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(makeHeading(this, "Import File Data Fields"));
    right->addWidget(InputList, 1);

    auto* grid = new QGridLayout(this);
    grid->addLayout(left, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 3);
    grid->addWidget(Label1, 1, 0, 1, 3);
    grid->addWidget(ProgressBar1, 2, 0, 1, 3);
    resize(760, 420);

    connect(SelectFile, &QPushButton::clicked, this, &qbk3cdi::SelectFile_Click);
    connect(ClearFields, &QPushButton::clicked, this, &qbk3cdi::ClearFields_Click);
    connect(Command1, &QPushButton::clicked, this, &qbk3cdi::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &qbk3cdi::Command2_Click);
    connect(InputList, &QListWidget::itemClicked, this, &qbk3cdi::InputList_Click);
    connect(InputList, &QListWidget::currentRowChanged, this, &qbk3cdi::InputList_Click);
}

QLabel* qbk3cdi::makeLinkBox(const char* name) {
    auto* box = new QLabel(this);
    box->setObjectName(QString::fromUtf8(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedSize(56, 24);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    box->setCursor(Qt::PointingHandCursor);
    box->installEventFilter(this);
    return box;
}

bool qbk3cdi::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (QLabel* box : {DateLink, AmountLink, NoteLink, CatLink, UDF1Link, UDF2Link}) {
            if (watched == box) {
                linkClick(box);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

ImportLinks qbk3cdi::links() const {
    return {utf8(DateLink->text()), utf8(AmountLink->text()), utf8(NoteLink->text()),
            utf8(CatLink->text()),  utf8(UDF1Link->text()),   utf8(UDF2Link->text())};
}

void qbk3cdi::SelectFile_Click() {
    const std::string chosen = window_.prompts().openFile(importFileDialog());
    if (chosen.empty()) return;
    ImportFileName = chosen;
    CreateBackupFile();
    try {
        const std::optional<ImportPreview> preview = previewImportFile(ImportFileName);
        if (!preview) return;
        ImportLineCount = preview->lineCount;
        Label1->setText(qs(preview->caption));
        InputList->clear();
        for (const std::string& line : preview->lines)
            InputList->addItem(qs(line));
        LinkNo.clear();
    } catch (const OperationError& e) {
        window_.showError(e);
    }
}

// The internal backup, offered before anything is read so that the user can go back to
// the book as it was should the import bring in the wrong data. It is the File menu's
// "Create Internal Backup File".
void qbk3cdi::CreateBackupFile() {
    window_.runCommand("mu_CreateBackup");
}

void qbk3cdi::ClearFields_Click() {
    for (QLabel* box : {DateLink, AmountLink, NoteLink, CatLink, UDF1Link, UDF2Link})
        box->clear();
}

void qbk3cdi::InputList_Click() {
    const QListWidgetItem* item = InputList->currentItem();
    LinkNo = item && item->isSelected() ? utf8(item->text()) : std::string();
}

void qbk3cdi::linkClick(QLabel* box) {
    const QListWidgetItem* item = InputList->currentItem();
    LinkNo = GetLinkNo(item && item->isSelected() ? utf8(item->text()) : std::string());
    box->setText(qs(LinkNo));
}

void qbk3cdi::DateLink_Click() {
    linkClick(DateLink);
}
void qbk3cdi::AmountLink_Click() {
    linkClick(AmountLink);
}
void qbk3cdi::NoteLink_Click() {
    linkClick(NoteLink);
}
void qbk3cdi::CatLink_Click() {
    linkClick(CatLink);
}
void qbk3cdi::UDF1Link_Click() {
    linkClick(UDF1Link);
}
void qbk3cdi::UDF2Link_Click() {
    linkClick(UDF2Link);
}

void qbk3cdi::Command1_Click() {
    const ImportLinks chosen = links();
    if (!importLinksComplete(chosen)) {
        window_.prompts().message(importNeedsDateAndAmountMessage());
        return;
    }
    if (window_.prompts().message(importReadyQuestion()) != Answer::Yes) return;
    if (ImportFileName.empty()) {
        window_.showError(OperationError(errnum::kFileNotFound, "No file to import was selected"));
        return;
    }
    const int lines = static_cast<int>(std::clamp<std::size_t>(ImportLineCount, 1, INT_MAX));
    ProgressBar1->setRange(1, lines);
    ProgressBar1->setValue(1);
    std::size_t imported = 0;
    try {
        const WaitCursor hourglass;
        imported = importIntoRecordFile(ImportFileName, window_.state().RecordFilePath, chosen,
                                        window_.regional(), window_.stamps());
    } catch (const OperationError& e) {
        window_.showError(e);
        return;
    }
    ProgressBar1->setValue(lines);
    window_.prompts().message(importFinishedMessage(imported));
}

void qbk3cdi::Command2_Click() {
    reject();
}

}  // namespace qbk
