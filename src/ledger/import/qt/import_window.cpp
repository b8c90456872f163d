#include "import/qt/import_window.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "import/camt_reader.h"
#include "import/import_preview.h"
#include "import/mt940_reader.h"
#include "import/ofx_reader.h"
#include "import/payee_rules.h"
#include "import/qif_reader.h"
#include "import/qt/import_preview_model.h"
#include "import/qt/payee_rules_dialog.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/wait_cursor.h"
#include "platform/book_lock.h"
#include "platform/files.h"
#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

// A link box is read by assistive technology as the button it works as: named by its
// label, its value the import file field it links, pressed as Space presses it.
class LinkBoxAccessible : public QAccessibleWidget {
  public:
    explicit LinkBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override {
        const QString linked = static_cast<QLabel*>(widget())->text();
        if (t == QAccessible::Name)
            return widget()->accessibleName() +
                   (linked.isEmpty() ? QString() : QStringLiteral(": ") + linked);
        if (t == QAccessible::Value) return linked;
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press);
    }
};

QAccessibleInterface* linkBoxAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property("qbkLinkBox").toBool()) return nullptr;
    return new LinkBoxAccessible(widget);
}

QLabel* makeHeading(QWidget* parent, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

DelimitedStyle styleOf(ImportFormat f) {
    return f == ImportFormat::QuotedText ? DelimitedStyle::Txt : DelimitedStyle::Csv;
}

}  // namespace

qbk3cdi::qbk3cdi(QBK_3_Main& window, bool sortAfter)
    : QDialog(&window), window_(window), sortAfter_(sortAfter) {
    setObjectName(QStringLiteral("qbk3cdi"));
    setWindowTitle(sortAfter ? QStringLiteral("Import Bank File")
                             : QStringLiteral("Comma-Delimited Import Field Selector"));
    setModal(true);
    createControls();
    createPreview();
    layOut();
}

qbk3cdi::~qbk3cdi() = default;

void qbk3cdi::createControls() {
    SelectFile =
        namedButton(this, "SelectFile", "&Select File", "Click to select a file to import");
    ClearFields =
        namedButton(this, "ClearFields", "C&lear Fields", "Clear all fields and start over");
    Command1 = namedButton(this, "Command1", "&Import", "Start the import operation");
    Command2 =
        namedButton(this, "Command2", "&Cancel", "Quit import utility without further action");
    RulesButton =
        namedButton(this, "RulesButton", "Payee &Rules...", "Which payee goes to which category");
    // Enter imports; the question that follows defaults to No.
    Command1->setDefault(true);

    Instructions = new QLabel(qs(kImportInstructions), this);
    Instructions->setObjectName(QStringLiteral("Instructions"));
    Instructions->setWordWrap(true);
    Instructions->setMinimumWidth(230);
    Instructions->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    Label1 = new QLabel(QStringLiteral("Import file name... ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral("this is the file you have selected"));
    Label1->setWordWrap(true);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    InputList = new QListWidget(this);
    InputList->setObjectName(QStringLiteral("InputList"));
    InputList->setToolTip(QStringLiteral("Import File Data Fields"));
    InputList->setMinimumSize(260, 200);

    DateLink = makeLinkBox("DateLink");
    AmountLink = makeLinkBox("AmountLink");
    NoteLink = makeLinkBox("NoteLink");
    CatLink = makeLinkBox("CatLink");
    UDF1Link = makeLinkBox("UDF1Link");
    UDF2Link = makeLinkBox("UDF2Link");

    HeaderCheck = new QCheckBox(QStringLiteral("First line &holds column names"), this);
    HeaderCheck->setObjectName(QStringLiteral("HeaderCheck"));
    HeaderCheck->setToolTip(QStringLiteral("Leave out the first line of the file"));
    HeaderCheck->setEnabled(false);

    // How the file writes dates and amounts: found from all its lines, or chosen.
    DateFormatBox = new QComboBox(this);
    DateFormatBox->setObjectName(QStringLiteral("DateFormatBox"));
    DateFormatBox->setToolTip(QStringLiteral("How the dates of the file are written"));
    DateFormatBox->addItem(QStringLiteral("found from the file"), QString());
    for (const char* f : {"dmy", "mdy", "ymd", "yyyymmdd", "d-mon-y"})
        DateFormatBox->addItem(QString::fromUtf8(f), QString::fromUtf8(f));
    DecimalBox = new QComboBox(this);
    DecimalBox->setObjectName(QStringLiteral("DecimalBox"));
    DecimalBox->setToolTip(QStringLiteral("The decimal mark of the file's amounts"));
    DecimalBox->addItem(QStringLiteral("found from the file"), QString());
    DecimalBox->addItem(QStringLiteral("point (1,234.56)"), QStringLiteral("point"));
    DecimalBox->addItem(QStringLiteral("comma (1.234,56)"), QStringLiteral("comma"));
    DateFormatBox->setEnabled(false);
    DecimalBox->setEnabled(false);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    connect(SelectFile, &QPushButton::clicked, this, &qbk3cdi::SelectFile_Click);
    connect(ClearFields, &QPushButton::clicked, this, &qbk3cdi::ClearFields_Click);
    connect(Command1, &QPushButton::clicked, this, &qbk3cdi::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &qbk3cdi::Command2_Click);
    connect(RulesButton, &QPushButton::clicked, this, &qbk3cdi::RulesButton_Click);
    connect(HeaderCheck, &QCheckBox::clicked, this, &qbk3cdi::HeaderCheck_Click);
    connect(DateFormatBox, &QComboBox::activated, this, &qbk3cdi::refreshDelimitedPreview);
    connect(DecimalBox, &QComboBox::activated, this, &qbk3cdi::refreshDelimitedPreview);
    connect(InputList, &QListWidget::itemClicked, this, &qbk3cdi::InputList_Click);
    connect(InputList, &QListWidget::currentRowChanged, this, &qbk3cdi::InputList_Click);
}

void qbk3cdi::createPreview() {
    previewModel_ = new ImportPreviewModel(batch_, window_.regional(), this);
    categoryPick_ = new CategoryPickDelegate(this);
    PreviewGrid = new QTableView(this);
    PreviewGrid->setObjectName(QStringLiteral("PreviewGrid"));
    PreviewGrid->setToolTip(
        QStringLiteral("The entries the import makes; tick a duplicate to "
                       "import it after all, double-click a category to "
                       "choose one"));
    PreviewGrid->setModel(previewModel_);
    PreviewGrid->setItemDelegateForColumn(ImportPreviewModel::Category, categoryPick_);
    PreviewGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    PreviewGrid->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::SelectedClicked);
    PreviewGrid->verticalHeader()->setDefaultSectionSize(PreviewGrid->fontMetrics().height() + 6);
    PreviewGrid->horizontalHeader()->setSectionResizeMode(ImportPreviewModel::Note,
                                                          QHeaderView::Stretch);
    PreviewGrid->setColumnWidth(ImportPreviewModel::Include, 56);
    PreviewGrid->setColumnWidth(ImportPreviewModel::Date, 90);
    PreviewGrid->setColumnWidth(ImportPreviewModel::Amount, 100);
    PreviewGrid->setColumnWidth(ImportPreviewModel::Category, 100);
    PreviewGrid->setColumnWidth(ImportPreviewModel::DuplicateMark, 130);
    PreviewGrid->setMinimumHeight(200);

    PreviewStatus = new QLabel(this);
    PreviewStatus->setObjectName(QStringLiteral("PreviewStatus"));
    PreviewStatus->setWordWrap(true);

    connect(previewModel_, &ImportPreviewModel::categoryChosen, this,
            [this](int row, const QString& code) { chooseCategory(row, utf8(code)); });
    connect(previewModel_, &ImportPreviewModel::inclusionChanged, this,
            &qbk3cdi::showPreviewSummary);
}

void qbk3cdi::layOut() {
    auto* left = new QVBoxLayout;
    left->addWidget(Instructions, 1);
    for (QPushButton* b : {SelectFile, ClearFields, Command1, Command2})
        left->addWidget(b);

    auto* middle = new QGridLayout;
    middle->addWidget(makeHeading(this, "Quillbank Fields"), 0, 0, 1, 2);
    const std::pair<const char*, QLabel*> rows[] = {
        {"&Date", DateLink},    {"&Amount", AmountLink},     {"&Note", NoteLink},
        {"Ca&tegory", CatLink}, {"User Field &1", UDF1Link}, {"User Field &2", UDF2Link},
    };
    int row = 1;
    for (const auto& [caption, box] : rows) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(box);
        box->setAccessibleName(QString::fromUtf8(caption).remove(QLatin1Char('&')));
        middle->addWidget(label, row, 0);
        middle->addWidget(box, row, 1);
        ++row;
    }
    middle->addWidget(HeaderCheck, row++, 0, 1, 2);
    const std::pair<const char*, QComboBox*> choices[] = {{"Dat&es", DateFormatBox},
                                                          {"Deci&mals", DecimalBox}};
    for (const auto& [caption, box] : choices) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(box);
        middle->addWidget(label, row, 0);
        middle->addWidget(box, row++, 1);
    }
    middle->setRowStretch(row, 1);

    auto* right = new QVBoxLayout;
    QLabel* listHeading = makeHeading(this, "Import File Data &Fields");
    listHeading->setBuddy(InputList);
    right->addWidget(listHeading);
    right->addWidget(InputList, 1);

    auto* status = new QHBoxLayout;
    status->addWidget(PreviewStatus, 1);
    status->addWidget(RulesButton);

    auto* grid = new QGridLayout(this);
    grid->addLayout(left, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 3);
    grid->setHorizontalSpacing(16);
    grid->addWidget(PreviewGrid, 1, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->addLayout(status, 2, 0, 1, 3);
    grid->addWidget(Label1, 3, 0, 1, 3);
    grid->addWidget(ProgressBar1, 4, 0, 1, 3);
    resize(900, 700);

    // Tab follows the columns from left to right, then the table below.
    QWidget* order[] = {SelectFile, ClearFields, Command1,    Command2,
                        DateLink,   AmountLink,  NoteLink,    CatLink,
                        UDF1Link,   UDF2Link,    HeaderCheck, DateFormatBox,
                        DecimalBox, InputList,   PreviewGrid, RulesButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    SelectFile->setFocus();
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
    // A link box works like a button from the keyboard as well: its label's Alt key
    // links it at once, and Space or Enter links it when it has the focus.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
    box->setProperty("qbkLinkBox", true);
    static const bool installed = (QAccessible::installFactory(linkBoxAccessible), true);
    (void)installed;
    return box;
}

bool qbk3cdi::eventFilter(QObject* watched, QEvent* event) {
    QLabel* box = nullptr;
    for (QLabel* b : {DateLink, AmountLink, NoteLink, CatLink, UDF1Link, UDF2Link})
        if (watched == b) box = b;
    if (!box) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (box->isEnabled()) linkClick(box);
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) break;
            linkClick(box);
            return true;
        }
        case QEvent::FocusIn:
            box->setBackgroundRole(QPalette::Highlight);
            box->setForegroundRole(QPalette::HighlightedText);
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::ShortcutFocusReason)
                linkClick(box);
            break;
        case QEvent::FocusOut:
            box->setBackgroundRole(QPalette::Base);
            box->setForegroundRole(QPalette::WindowText);
            break;
        default:
            break;
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
    format_ = importFormatOf(chosen);
    batch_ = {};
    fileText_.clear();
    previewError_.reset();
    previewModel_->reload();
    PreviewStatus->clear();
    if (!format_) return;
    try {
        if (isStatement(*format_))
            showStatement();
        else
            showDelimitedFile();
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

void qbk3cdi::showDelimitedFile() {
    const std::optional<ImportPreview> preview = previewImportFile(ImportFileName);
    if (!preview) return;
    ImportLineCount = preview->lineCount;
    Label1->setText(qs(preview->caption));
    InputList->clear();
    for (const std::string& line : preview->lines)
        InputList->addItem(qs(line));
    LinkNo.clear();
    Instructions->setText(qs(kImportInstructions));
    setLinkingEnabled(true);
    fileText_ = readImportText(ImportFileName);
    loadCategories();
    headerTouched_ = false;
    refreshDelimitedPreview();
}

void qbk3cdi::showStatement() {
    Instructions->setText(qs(kStatementInstructions));
    setLinkingEnabled(false);
    InputList->clear();
    ProgressBar1->setRange(0, 4);
    step(0);
    std::string text;
    Statement statement;
    {
        const WaitCursor hourglass;
        text = readImportText(ImportFileName);
        rules_ = readPayeeRules(joinPath(window_.state().DataFolder, kPayeeRulesFileName));
        loadCategories();
        step(1);
    }
    std::optional<DateOrder> order;
    ledgerBalance_.reset();
    if (*format_ == ImportFormat::Ofx) {
        const WaitCursor hourglass;
        statement = readOfx(text, nullptr, &ledgerBalance_);
    } else if (*format_ == ImportFormat::Mt940) {
        const WaitCursor hourglass;
        statement = readMt940(text);
    } else if (*format_ == ImportFormat::Camt) {
        const WaitCursor hourglass;
        CamtStatement camt = readCamt(text);
        ledgerBalance_ = camt.closingBalance;
        statement = std::move(camt.transactions);
    } else {
        QifStatement qif = readQif(text, std::nullopt);
        if (qif.ambiguous) {
            const Answer a = window_.prompts().message(
                dateOrderQuestion(*qif.ambiguous, window_.regional().dateOrder));
            if (a == Answer::Cancel) return;
            const WaitCursor hourglass;
            qif =
                readQif(text, a == Answer::Yes ? DateOrder::MonthDayYear : DateOrder::DayMonthYear);
        }
        statement = std::move(qif.transactions);
    }
    step(2);
    const WaitCursor hourglass;
    // The table's batch changes only together with its model, so that the view never
    // paints rows the batch no longer has.
    ImportBatch fresh = statementBatch(statement, *format_, rules_, categories_);
    step(3);
    markDuplicates(fresh, readBookIndex(window_.state().RecordFilePath));
    batch_ = std::move(fresh);
    previewModel_->reload();
    step(4);
    ImportLineCount = batch_.rows.size();
    Label1->setText(qs(statementCaption(ImportFileName, batch_.rows.size())));
    showPreviewSummary();
}

void qbk3cdi::setLinkingEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{InputList, ClearFields, DateLink, AmountLink,
                                                      NoteLink, CatLink, UDF1Link, UDF2Link,
                                                      HeaderCheck, DateFormatBox, DecimalBox})
        w->setEnabled(enabled);
}

// Rebuilds the preview of a comma-delimited file from its links: when they change, and
// when the first line is said to hold column names or not. Until the first line is
// ticked or unticked by hand, the box follows what that line looks like.
void qbk3cdi::refreshDelimitedPreview() {
    if (!format_ || isStatement(*format_)) return;
    const DelimitedStyle style = styleOf(*format_);
    if (!headerTouched_) {
        const std::string_view firstLine =
            std::string_view(fileText_).substr(0, fileText_.find_first_of("\r\n"));
        HeaderCheck->setChecked(looksLikeHeader(
            firstLine, style, linkNumber(utf8(DateLink->text())), window_.regional()));
    }
    previewError_.reset();
    ImportBatch fresh;
    const ImportLinks chosen = links();
    if (importLinksComplete(chosen)) {
        try {
            const WaitCursor hourglass;
            DelimitedLayout layout;
            layout.skipHeader = HeaderCheck->isChecked();
            if (const QString f = DateFormatBox->currentData().toString(); !f.isEmpty())
                layout.dateFormat = dateFormatNamed(f.toStdString());
            if (const QString d = DecimalBox->currentData().toString(); !d.isEmpty())
                layout.decimalMark =
                    d == QLatin1String("point") ? DecimalMark::Point : DecimalMark::Comma;
            fresh = delimitedBatch(fileText_, style, chosen, window_.regional(), layout);
            markDuplicates(fresh, readBookIndex(window_.state().RecordFilePath));
        } catch (const OperationError& e) {
            previewError_ = e;
            fresh = {};
        }
    }
    batch_ = std::move(fresh);
    previewModel_->reload();
    showPreviewSummary();
}

void qbk3cdi::loadCategories() {
    categories_ = readCategories(window_.state().CategoryFilePath);
    std::vector<std::pair<QString, QString>> shown;
    for (const CategoryRecord& c : categories_)
        shown.emplace_back(qs(trimBlanks(c.catCode)), qs(trimBlanks(c.catName)));
    categoryPick_->setCategories(std::move(shown));
}

void qbk3cdi::showPreviewSummary() {
    if (previewError_)
        PreviewStatus->setText(qs(previewError_->what()));
    else if (format_ && !isStatement(*format_) && !importLinksComplete(links()))
        PreviewStatus->setText(
            QStringLiteral("Link the Date and Amount fields to see the entries here."));
    else
        PreviewStatus->setText(qs(previewSummary(batch_)));
}

void qbk3cdi::ClearFields_Click() {
    for (QLabel* box : {DateLink, AmountLink, NoteLink, CatLink, UDF1Link, UDF2Link})
        box->clear();
    refreshDelimitedPreview();
}

void qbk3cdi::InputList_Click() {
    const QListWidgetItem* item = InputList->currentItem();
    LinkNo = item && item->isSelected() ? utf8(item->text()) : std::string();
}

void qbk3cdi::linkClick(QLabel* box) {
    const QListWidgetItem* item = InputList->currentItem();
    LinkNo = GetLinkNo(item && item->isSelected() ? utf8(item->text()) : std::string());
    box->setText(qs(LinkNo));
    refreshDelimitedPreview();
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

void qbk3cdi::HeaderCheck_Click() {
    headerTouched_ = true;
    refreshDelimitedPreview();
}

void qbk3cdi::chooseCategory(int row, const std::string& code) {
    if (row < 0 || static_cast<std::size_t>(row) >= batch_.rows.size()) return;
    if (qbk::chooseCategory(batch_, static_cast<std::size_t>(row), code, rules_, categories_))
        savePayeeRules();
    previewModel_->reload();
    showPreviewSummary();
}

// Rules are kept as soon as they are learned or edited, whether or not the import
// follows: they describe the user's payees, not this file.
bool qbk3cdi::savePayeeRules() {
    try {
        const BookLock lock(window_.state().DataFolder);
        writePayeeRules(joinPath(window_.state().DataFolder, kPayeeRulesFileName), rules_);
        return true;
    } catch (const OperationError& e) {
        window_.showError(e);
        return false;
    }
}

void qbk3cdi::RulesButton_Click() {
    PayeeRules current;
    try {
        current = readPayeeRules(joinPath(window_.state().DataFolder, kPayeeRulesFileName));
    } catch (const OperationError& e) {
        window_.showError(e);
        return;
    }
    PayeeRulesDialog editor(current, window_.prompts(), this);
    if (editor.exec() != QDialog::Accepted) return;
    rules_ = editor.rules();
    if (!savePayeeRules()) return;
    if (format_ && isStatement(*format_)) {
        applyPayeeRules(batch_, rules_, categories_);
        previewModel_->reload();
        showPreviewSummary();
    }
}

void qbk3cdi::step(int value) {
    ProgressBar1->setValue(value);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void qbk3cdi::Command1_Click() {
    const bool statement = format_ && isStatement(*format_);
    if (!statement && !importLinksComplete(links())) {
        window_.prompts().message(importNeedsDateAndAmountMessage());
        return;
    }
    if (window_.prompts().message(importReadyQuestion()) != Answer::Yes) return;
    if (ImportFileName.empty()) {
        window_.showError(OperationError(errnum::kFileNotFound, "No file to import was selected"));
        return;
    }
    if (!format_) {
        window_.showError(OperationError(errnum::kInvalidCall,
                                         "Not a file the import reads (" + ImportFileName + ")"));
        return;
    }
    if (previewError_) {
        window_.showError(*previewError_);
        return;
    }
    if (statement && batch_.includedWithoutCategory() > 0) {
        if (window_.prompts().message(noCategoryQuestion(batch_.includedWithoutCategory())) !=
            Answer::Yes)
            return;
        for (ImportRow& r : batch_.rows)
            if (r.included && r.categorySource == CategorySource::None)
                r.entry.categoryCode =
                    fitField(kDefaultImportCategory, entry_layout::kCategoryCodeWidth);
    }
    const int lines = static_cast<int>(std::clamp<std::size_t>(batch_.rows.size(), 1, INT_MAX));
    ProgressBar1->setRange(1, lines);
    step(1);
    std::size_t leftOut = 0;
    for (const ImportRow& r : batch_.rows)
        if (!r.included && isDuplicate(r.duplicate)) ++leftOut;
    ImportCommit commit;
    try {
        const WaitCursor hourglass;
        commit =
            commitImport(batch_, {window_.state().RecordFilePath, window_.state().CategoryFilePath},
                         kDefaultImportCategory, window_.stamps(), false, sortAfter_);
        // What was written is in the book now: a second Import adds nothing.
        markDuplicates(batch_, readBookIndex(window_.state().RecordFilePath));
    } catch (const OperationError& e) {
        window_.showError(e);
        return;
    }
    ProgressBar1->setValue(lines);
    if (ledgerBalance_) {
        window_.state().OfferedStatementBalance = ledgerBalance_->amount;
        window_.state().OfferedStatementDate = ledgerBalance_->date;
    }
    if (commit.cleared > 0) window_.refreshList();
    previewModel_->reload();
    showPreviewSummary();
    if (!commit.createdCategories.empty()) window_.PopCategoryGrid();
    // Entries the user typed that lines matched are named after what was added.
    const auto withCleared = [&](Message m) {
        if (commit.cleared > 0)
            m.text +=
                "\r\n\r\n" + std::to_string(commit.cleared) +
                (commit.cleared == 1 ? " entry you typed matches a line of the file and was"
                                     : " entries you typed match lines of the file and were") +
                " marked cleared instead of being added again.";
        return m;
    };
    if (!sortAfter_) {
        window_.prompts().message(
            withCleared(importFinishedMessage(commit.added, leftOut + commit.duplicatesLeftOut)));
        return;
    }
    window_.refreshList();
    window_.prompts().message(
        withCleared(sortedImportFinishedMessage(commit.added, leftOut + commit.duplicatesLeftOut)));
}

void qbk3cdi::Command2_Click() {
    reject();
}

}  // namespace qbk
