#include "import/qt/import_window.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "import/amount_column.h"
#include "import/camt_reader.h"
#include "import/import_preview.h"
#include "import/layout_refusal.h"
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
#include "platform/qt/translations.h"
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

QLabel* makeHeading(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

DelimitedStyle styleOf(ImportFormat f) {
    return f == ImportFormat::QuotedText ? DelimitedStyle::Txt : DelimitedStyle::Csv;
}

// The control of the Layout column that makes the choice a refusal asks for.
QString controlToChoose(const LayoutRefusal& refusal) {
    switch (refusal.choice()) {
        case LayoutChoice::FooterLines:
            return qbk3cdi::tr(" (set Footer lines to %1 to leave them out)")
                .arg(qs(refusal.values()));
        case LayoutChoice::HeaderLines:
            return qbk3cdi::tr(
                " - a first line of column names is left out with \"First line holds column "
                "names\", lines before it with Skip lines at top");
        case LayoutChoice::DateFormat:
            return refusal.values().empty()
                       ? qbk3cdi::tr(" (choose the format under Dates)")
                       : qbk3cdi::tr(" (choose %1 under Dates)").arg(qs(refusal.values()));
        case LayoutChoice::DecimalMark:
            return qbk3cdi::tr(" (choose it under Decimals)");
    }
    return {};
}

}  // namespace

qbk3cdi::qbk3cdi(QBK_3_Main& window, bool sortAfter)
    : QDialog(&window), window_(window), sortAfter_(sortAfter) {
    setObjectName(QStringLiteral("qbk3cdi"));
    setWindowTitle(sortAfter ? tr("Import Bank File")
                             : tr("Comma-Delimited Import Field Selector"));
    setModal(true);
    createControls();
    createPreview();
    layOut();
}

qbk3cdi::~qbk3cdi() = default;

void qbk3cdi::createControls() {
    SelectFile =
        namedButton(this, "SelectFile", tr("&Select File"), tr("Click to select a file to import"));
    ClearFields = namedButton(this, "ClearFields", tr("C&lear Fields"),
                              tr("Clear all fields and start over"));
    Command1 = namedButton(this, "Command1", tr("&Import"), tr("Start the import operation"));
    Command2 = namedButton(this, "Command2", tr("&Cancel"),
                           tr("Quit import utility without further action"));
    RulesButton = namedButton(this, "RulesButton", tr("Pa&yee Rules..."),
                              tr("Which payee goes to which category"));
    // Enter imports; the question that follows defaults to No.
    Command1->setDefault(true);

    Instructions = new QLabel(translated(staticMetaObject, kImportInstructions), this);
    Instructions->setObjectName(QStringLiteral("Instructions"));
    Instructions->setWordWrap(true);
    Instructions->setMinimumWidth(180);
    // Word wrap gives the layout no height for the width: room for the whole text.
    Instructions->setMinimumHeight(Instructions->fontMetrics().lineSpacing() * 18);
    Instructions->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    Label1 = new QLabel(tr("Import file name... ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(tr("this is the file you have selected"));
    Label1->setWordWrap(true);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    InputList = new QListWidget(this);
    InputList->setObjectName(QStringLiteral("InputList"));
    InputList->setToolTip(tr("Import File Data Fields"));
    InputList->setMinimumSize(210, 200);

    DateLink = makeLinkBox("DateLink");
    AmountLink = makeLinkBox("AmountLink");
    NoteLink = makeLinkBox("NoteLink");
    CatLink = makeLinkBox("CatLink");
    UDF1Link = makeLinkBox("UDF1Link");
    UDF2Link = makeLinkBox("UDF2Link");

    HeaderCheck = new QCheckBox(tr("First line &holds column names"), this);
    HeaderCheck->setObjectName(QStringLiteral("HeaderCheck"));
    HeaderCheck->setToolTip(tr("Leave out the first line of the file"));
    HeaderCheck->setEnabled(false);

    // How the file writes dates and amounts: found from all its lines, or chosen.
    DateFormatBox = new QComboBox(this);
    DateFormatBox->setObjectName(QStringLiteral("DateFormatBox"));
    DateFormatBox->setToolTip(tr("How the dates of the file are written"));
    DateFormatBox->addItem(tr("found from the file"), QString());
    for (const char* f : {"dmy", "mdy", "ymd", "yyyymmdd", "d-mon-y"})
        DateFormatBox->addItem(QString::fromUtf8(f), QString::fromUtf8(f));
    DecimalBox = new QComboBox(this);
    DecimalBox->setObjectName(QStringLiteral("DecimalBox"));
    DecimalBox->setToolTip(tr("The decimal mark of the file's amounts"));
    DecimalBox->addItem(tr("found from the file"), QString());
    DecimalBox->addItem(tr("point (1,234.56)"), QStringLiteral("point"));
    DecimalBox->addItem(tr("comma (1.234,56)"), QStringLiteral("comma"));
    DateFormatBox->setEnabled(false);
    DecimalBox->setEnabled(false);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    createLayoutControls();

    connect(SelectFile, &QPushButton::clicked, this, &qbk3cdi::SelectFile_Click);
    connect(ClearFields, &QPushButton::clicked, this, &qbk3cdi::ClearFields_Click);
    connect(Command1, &QPushButton::clicked, this, &qbk3cdi::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &qbk3cdi::Command2_Click);
    connect(RulesButton, &QPushButton::clicked, this, &qbk3cdi::RulesButton_Click);
    connect(HeaderCheck, &QCheckBox::clicked, this, &qbk3cdi::HeaderCheck_Click);
    connect(DateFormatBox, &QComboBox::activated, this, &qbk3cdi::layoutChanged);
    connect(DecimalBox, &QComboBox::activated, this, &qbk3cdi::layoutChanged);
    connect(InputList, &QListWidget::itemClicked, this, &qbk3cdi::InputList_Click);
    connect(InputList, &QListWidget::currentRowChanged, this, &qbk3cdi::InputList_Click);
}

void qbk3cdi::createPreview() {
    previewModel_ = new ImportPreviewModel(batch_, window_.regional(), this);
    categoryPick_ = new CategoryPickDelegate(this);
    PreviewGrid = new QTableView(this);
    PreviewGrid->setObjectName(QStringLiteral("PreviewGrid"));
    PreviewGrid->setToolTip(
        tr("The entries the import makes; tick a duplicate to import it after all, "
           "double-click a category to choose one"));
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

void qbk3cdi::createLayoutControls() {
    Note2Link = makeLinkBox("Note2Link");
    DebitLink = makeLinkBox("DebitLink");
    CreditLink = makeLinkBox("CreditLink");
    SignLink = makeLinkBox("SignLink");
    DebitWordsBox = namedLineEdit(this, "DebitWordsBox");
    DebitWordsBox->setToolTip(tr("The words of the sign field for money out, separated by commas"));

    SeparatorBox = new QComboBox(this);
    SeparatorBox->setObjectName(QStringLiteral("SeparatorBox"));
    SeparatorBox->setToolTip(tr("What stands between the fields of a .csv file"));
    SeparatorBox->addItem(tr("found from the file"), QString());
    SeparatorBox->addItem(tr("comma"), QStringLiteral("comma"));
    SeparatorBox->addItem(tr("semicolon"), QStringLiteral("semicolon"));
    SeparatorBox->addItem(tr("tab"), QStringLiteral("tab"));

    SkipLinesBox = new QSpinBox(this);
    SkipLinesBox->setObjectName(QStringLiteral("SkipLinesBox"));
    SkipLinesBox->setToolTip(
        tr("Lines at the top of the file before the entries or the column names"));
    SkipLinesBox->setRange(0, 999);
    FooterBox = new QSpinBox(this);
    FooterBox->setObjectName(QStringLiteral("FooterBox"));
    FooterBox->setToolTip(
        tr("Lines at the end of the file that are no entries (a balance, a total)"));
    FooterBox->setRange(0, 99);

    AmountKindBox = new QComboBox(this);
    AmountKindBox->setObjectName(QStringLiteral("AmountKindBox"));
    AmountKindBox->setToolTip(tr("How the file writes the amount"));
    AmountKindBox->addItem(tr("one signed field"));
    AmountKindBox->addItem(tr("debit and credit"));
    AmountKindBox->addItem(tr("field and sign"));

    NegateCheck = new QCheckBox(tr("Amounts ha&ve the opposite sign"), this);
    NegateCheck->setObjectName(QStringLiteral("NegateCheck"));
    NegateCheck->setToolTip(tr("The file writes money out as positive amounts"));

    ProfileBox = new QComboBox(this);
    ProfileBox->setObjectName(QStringLiteral("ProfileBox"));
    ProfileBox->setToolTip(tr("A layout saved for a bank's files"));
    SaveLayout = namedButton(this, "SaveLayout", tr("Save Layout..."),
                             tr("Save the links and the layout under a name"));
    SaveLayout->setToolTip(tr("Save the links and the layout under a name"));

    const auto changed = [this] { layoutChanged(); };
    connect(SeparatorBox, &QComboBox::activated, this, changed);
    connect(SkipLinesBox, &QSpinBox::valueChanged, this, changed);
    connect(FooterBox, &QSpinBox::valueChanged, this, changed);
    connect(AmountKindBox, &QComboBox::activated, this, [this] {
        showAmountKind();
        layoutChanged();
    });
    connect(DebitWordsBox, &QLineEdit::textEdited, this, changed);
    connect(NegateCheck, &QCheckBox::clicked, this, changed);
    connect(ProfileBox, &QComboBox::activated, this, &qbk3cdi::ProfileBox_Activated);
    connect(SaveLayout, &QPushButton::clicked, this, &qbk3cdi::SaveLayout_Click);
}

void qbk3cdi::layOut() {
    auto* left = new QVBoxLayout;
    left->addWidget(Instructions, 1);
    for (QPushButton* b : {SelectFile, ClearFields, Command1, Command2})
        left->addWidget(b);

    const auto addRow = [this](QGridLayout* grid, int row, const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        if (box->accessibleName().isEmpty())
            box->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        rowLabels_.emplace_back(label, box);
    };
    auto* middle = new QGridLayout;
    middle->setVerticalSpacing(4);
    middle->addWidget(makeHeading(this, tr("Quillbank Fields")), 0, 0, 1, 2);
    const std::pair<QString, QWidget*> rows[] = {
        {tr("&Date"), DateLink},         {tr("&Amount"), AmountLink},
        {tr("De&bit"), DebitLink},       {tr("C&redit"), CreditLink},
        {tr("Si&gn"), SignLink},         {tr("Debit &words"), DebitWordsBox},
        {tr("&Note"), NoteLink},         {tr("&Joined note"), Note2Link},
        {tr("Ca&tegory"), CatLink},      {tr("User Field &1"), UDF1Link},
        {tr("User Field &2"), UDF2Link},
    };
    int row = 1;
    for (const auto& [caption, box] : rows)
        addRow(middle, row++, caption, box);
    DebitWordsBox->setFixedWidth(110);
    middle->setRowStretch(row, 1);

    auto* group = new QGroupBox(tr("Layout"), this);
    group->setObjectName(QStringLiteral("LayoutGroup"));
    auto* form = new QGridLayout(group);
    form->setVerticalSpacing(4);
    const std::pair<QString, QWidget*> choices[] = {
        {tr("Bank e&xport"), ProfileBox},
        {tr("Se&parator"), SeparatorBox},
        {tr("S&kip lines at top"), SkipLinesBox},
        {tr("F&ooter lines"), FooterBox},
        {tr("Dat&es"), DateFormatBox},
        {tr("Deci&mals"), DecimalBox},
        {tr("Amo&unt in"), AmountKindBox},
    };
    row = 0;
    for (const auto& [caption, box] : choices) {
        addRow(form, row++, caption, box);
        if (box == SkipLinesBox) form->addWidget(HeaderCheck, row++, 0, 1, 2);
    }
    for (QComboBox* box : {ProfileBox, SeparatorBox, DateFormatBox, DecimalBox, AmountKindBox}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
    }
    form->addWidget(NegateCheck, row++, 0, 1, 2);
    form->addWidget(SaveLayout, row++, 0, 1, 2, Qt::AlignLeft);
    form->setRowStretch(row, 1);
    form->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    QLabel* listHeading = makeHeading(this, tr("Import File Data &Fields"));
    listHeading->setBuddy(InputList);
    right->addWidget(listHeading);
    right->addWidget(InputList, 1);

    auto* status = new QHBoxLayout;
    status->addWidget(PreviewStatus, 1);
    status->addWidget(RulesButton);

    auto* grid = new QGridLayout(this);
    grid->addLayout(left, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addWidget(group, 0, 2);
    grid->addLayout(right, 0, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(3, 3);
    grid->setHorizontalSpacing(12);
    grid->addWidget(PreviewGrid, 1, 0, 1, 4);
    grid->setRowStretch(1, 1);
    grid->addLayout(status, 2, 0, 1, 4);
    grid->addWidget(Label1, 3, 0, 1, 4);
    grid->addWidget(ProgressBar1, 4, 0, 1, 4);
    resize(900, 700);

    // Tab follows the columns from left to right, then the table below.
    setTabChain({SelectFile,    ClearFields,  Command1,      Command2,    DateLink,
                 AmountLink,    DebitLink,    CreditLink,    SignLink,    DebitWordsBox,
                 NoteLink,      Note2Link,    CatLink,       UDF1Link,    UDF2Link,
                 ProfileBox,    SeparatorBox, SkipLinesBox,  HeaderCheck, FooterBox,
                 DateFormatBox, DecimalBox,   AmountKindBox, NegateCheck, SaveLayout,
                 InputList,     PreviewGrid,  RulesButton});
    showAmountKind();
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
    for (QLabel* b : {DateLink, AmountLink, NoteLink, CatLink, UDF1Link, UDF2Link, Note2Link,
                      DebitLink, CreditLink, SignLink})
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

// The links the file is read with: with debit and credit fields there is no amount
// field.
ImportLinks qbk3cdi::importLinks() const {
    ImportLinks l = links();
    if (AmountKindBox->currentIndex() == 1) l.amount.clear();
    return l;
}

bool qbk3cdi::linksComplete() const {
    if (AmountKindBox->currentIndex() != 1) return importLinksComplete(links());
    return !DateLink->text().isEmpty() &&
           (!DebitLink->text().isEmpty() || !CreditLink->text().isEmpty());
}

DelimitedLayout qbk3cdi::layout() const {
    DelimitedLayout l;
    const QString separator = SeparatorBox->currentData().toString();
    l.separator = separator == QLatin1String("comma")       ? ','
                  : separator == QLatin1String("semicolon") ? ';'
                  : separator == QLatin1String("tab")       ? '\t'
                                                            : 0;
    l.skipLines = static_cast<std::size_t>(SkipLinesBox->value());
    l.skipHeader = HeaderCheck->isChecked();
    l.skipFooter = static_cast<std::size_t>(FooterBox->value());
    if (const QString f = DateFormatBox->currentData().toString(); !f.isEmpty())
        l.dateFormat = dateFormatNamed(f.toStdString());
    if (const QString d = DecimalBox->currentData().toString(); !d.isEmpty())
        l.decimalMark = d == QLatin1String("point") ? DecimalMark::Point : DecimalMark::Comma;
    if (AmountKindBox->currentIndex() == 1) {
        l.debit = linkNumber(utf8(DebitLink->text()));
        l.credit = linkNumber(utf8(CreditLink->text()));
    } else if (AmountKindBox->currentIndex() == 2) {
        l.sign = linkNumber(utf8(SignLink->text()));
        if (const std::vector<std::string> words = listWords(utf8(DebitWordsBox->text()));
            !words.empty())
            l.debitWords = words;
    }
    l.negate = NegateCheck->isChecked();
    if (const std::size_t second = linkNumber(utf8(Note2Link->text())); second != 0) {
        if (const std::size_t first = linkNumber(utf8(NoteLink->text())); first != 0)
            l.noteFields.push_back(first);
        l.noteFields.push_back(second);
    }
    return l;
}

// A new file starts from nothing linked and the layout left to the file.
void qbk3cdi::resetLayout() {
    applying_ = true;
    for (QLabel* box : {DateLink, AmountLink, NoteLink, CatLink, UDF1Link, UDF2Link, Note2Link,
                        DebitLink, CreditLink, SignLink})
        box->clear();
    for (QComboBox* box : {SeparatorBox, DateFormatBox, DecimalBox, AmountKindBox, ProfileBox})
        box->setCurrentIndex(0);
    SkipLinesBox->setValue(0);
    FooterBox->setValue(0);
    HeaderCheck->setChecked(false);
    NegateCheck->setChecked(false);
    DebitWordsBox->setText(QStringLiteral("D,Af,Debit"));
    headerTouched_ = false;
    profileNote_.clear();
    applying_ = false;
    showAmountKind();
}

void qbk3cdi::applyProfile(const ImportProfile& profile) {
    applying_ = true;
    const DelimitedLayout& l = profile.layout;
    const auto caption = [](std::size_t k) { return k == 0 ? QString() : QString::number(k); };
    DateLink->setText(qs(profile.links.date));
    AmountLink->setText(qs(profile.links.amount));
    NoteLink->setText(qs(profile.links.note));
    Note2Link->clear();
    if (l.noteFields.size() == 1) NoteLink->setText(caption(l.noteFields[0]));
    if (l.noteFields.size() >= 2) {
        NoteLink->setText(caption(l.noteFields[0]));
        Note2Link->setText(caption(l.noteFields[1]));
    }
    CatLink->setText(qs(profile.links.category));
    UDF1Link->setText(qs(profile.links.user1));
    UDF2Link->setText(qs(profile.links.user2));
    DebitLink->setText(caption(l.debit));
    CreditLink->setText(caption(l.credit));
    SignLink->setText(caption(l.sign));
    AmountKindBox->setCurrentIndex(l.debit != 0 || l.credit != 0 ? 1 : l.sign != 0 ? 2 : 0);
    QString words;
    for (const std::string& w : l.debitWords)
        words += (words.isEmpty() ? QString() : QStringLiteral(",")) + qs(w);
    DebitWordsBox->setText(words);
    SeparatorBox->setCurrentIndex(SeparatorBox->findData(l.separator == ';'    ? "semicolon"
                                                         : l.separator == '\t' ? "tab"
                                                         : l.separator == ','  ? "comma"
                                                                               : ""));
    SkipLinesBox->setValue(static_cast<int>(l.skipLines));
    FooterBox->setValue(static_cast<int>(l.skipFooter));
    HeaderCheck->setChecked(l.skipHeader);
    headerTouched_ = true;
    DateFormatBox->setCurrentIndex(
        l.dateFormat ? DateFormatBox->findData(qs(std::string(dateFormatName(*l.dateFormat)))) : 0);
    DecimalBox->setCurrentIndex(
        l.decimalMark ? DecimalBox->findData(qs(std::string(decimalMarkName(*l.decimalMark)))) : 0);
    NegateCheck->setChecked(l.negate);
    applying_ = false;
    showAmountKind();
}

void qbk3cdi::loadProfiles() {
    profiles_.clear();
    window_.prompts().attempt([&] { profiles_ = readImportProfiles(window_.state().DataFolder); });
    ProfileBox->clear();
    ProfileBox->addItem(tr("(none)"));
    for (const ImportProfile& p : profiles_)
        ProfileBox->addItem(qs(p.name));
}

// The link boxes of the amount the file has: one field, debit and credit, or one field
// and its sign.
void qbk3cdi::showAmountKind() {
    const int kind = AmountKindBox->currentIndex();
    for (const auto& [label, box] : rowLabels_) {
        bool shown = true;
        if (box == AmountLink) shown = kind != 1;
        if (box == DebitLink || box == CreditLink) shown = kind == 1;
        if (box == SignLink || box == DebitWordsBox) shown = kind == 2;
        label->setVisible(shown);
        box->setVisible(shown);
    }
}

// A change by hand: the layout is the user's now, no longer the profile's as it was.
void qbk3cdi::layoutChanged() {
    if (applying_) return;
    profileNote_.clear();
    refreshDelimitedPreview();
}

void qbk3cdi::ProfileBox_Activated(int index) {
    if (index <= 0 || static_cast<std::size_t>(index) > profiles_.size()) return;
    applyProfile(profiles_[static_cast<std::size_t>(index) - 1]);
    profileNote_ = tr("Read with the import profile %1.").arg(ProfileBox->itemText(index));
    refreshDelimitedPreview();
}

void qbk3cdi::SaveLayout_Click() {
    if (!format_ || isStatement(*format_) || !linksComplete()) {
        window_.prompts().message(importNeedsDateAndAmountMessage());
        return;
    }
    const int current = ProfileBox->currentIndex();
    const std::optional<std::string> name = window_.prompts().input(
        utf8(tr("Save Layout")),
        utf8(tr("Name of this layout (it is chosen again for files with the same column "
                "names):")),
        current > 0 ? utf8(ProfileBox->itemText(current)) : std::string());
    if (!name || trimBlanks(*name).empty()) return;
    const DelimitedLayout set = layout();
    ImportProfile profile{std::string(trimBlanks(*name)), {}, importLinks(), asRead_.value_or(set)};
    if (!window_.prompts().attempt([&] {
            profile.header = headerLineOf(ImportFileName, set.skipLines);
            saveImportProfile(window_.state().DataFolder, profile);
        }))
        return;
    loadProfiles();
    ProfileBox->setCurrentIndex(ProfileBox->findText(qs(profile.name)));
    profileNote_ = tr("The layout was saved as the import profile %1.").arg(qs(profile.name));
    showPreviewSummary();
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
    asRead_.reset();
    footer_ = {};
    accountsNote_.clear();
    resetLayout();
    previewModel_->reload();
    PreviewStatus->clear();
    if (!format_) return;
    window_.prompts().attempt([&] {
        if (isStatement(*format_))
            showStatement();
        else
            showDelimitedFile();
    });
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
    LinkNo.clear();
    Instructions->setText(translated(staticMetaObject, kImportInstructions));
    setLinkingEnabled(true);
    SeparatorBox->setEnabled(*format_ == ImportFormat::SeparatedValues);
    fileText_ = readImportText(ImportFileName);
    rules_ = readPayeeRules(joinPath(window_.state().DataFolder, kPayeeRulesFileName));
    loadCategories();
    loadProfiles();
    if (const auto found = findImportProfile(profiles_, "", ImportFileName)) {
        applyProfile(*found);
        ProfileBox->setCurrentIndex(ProfileBox->findText(qs(found->name)));
        profileNote_ = tr("Read with the import profile %1, saved for these column names.")
                           .arg(qs(found->name));
    }
    refreshDelimitedPreview();
}

void qbk3cdi::showStatement() {
    Instructions->setText(translated(staticMetaObject, kStatementInstructions));
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
    accountsNote_ = qs(severalAccountsText(statementAccounts(statement)));
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
    for (QWidget* w : std::initializer_list<QWidget*>{
             InputList, ClearFields,   DateLink,    AmountLink,    NoteLink,     CatLink,
             UDF1Link,  UDF2Link,      HeaderCheck, DateFormatBox, DecimalBox,   Note2Link,
             DebitLink, CreditLink,    SignLink,    DebitWordsBox, SeparatorBox, SkipLinesBox,
             FooterBox, AmountKindBox, NegateCheck, ProfileBox,    SaveLayout})
        w->setEnabled(enabled);
}

// Rebuilds the preview of a comma-delimited file from its links and its layout, at
// every change of either. Until the first line is ticked or unticked by hand, the box
// follows what the first line after the lines skipped looks like.
void qbk3cdi::refreshDelimitedPreview() {
    if (!format_ || isStatement(*format_)) return;
    const DelimitedStyle style = styleOf(*format_);
    const ImportLinks chosen = importLinks();
    DelimitedLayout set = layout();
    const std::vector<std::string_view> lines = importLines(fileText_);
    if (!headerTouched_) {
        const std::string_view first =
            set.skipLines < lines.size() ? lines[set.skipLines] : std::string_view();
        const char separator = style == DelimitedStyle::Txt ? ',' : fileSeparator(lines, set);
        HeaderCheck->setChecked(
            looksLikeHeader(first, style, linkNumber(chosen.date), window_.regional(), separator));
        set.skipHeader = HeaderCheck->isChecked();
    }
    previewError_.reset();
    asRead_.reset();
    ImportBatch fresh;
    try {
        const WaitCursor hourglass;
        footer_ = delimitedFooter(fileText_, style, chosen, window_.regional(), set);
        refreshFieldList(set, footer_);
        if (linksComplete()) {
            DelimitedLayout read;
            fresh = delimitedBatch(fileText_, style, chosen, window_.regional(), set, rules_,
                                   categories_, &read);
            asRead_ = read;
            markDuplicates(fresh, readBookIndex(window_.state().RecordFilePath));
        }
    } catch (const LayoutRefusal& e) {
        previewError_ = OperationError(e.number(), e.what() + utf8(controlToChoose(e)));
        fresh = {};
    } catch (const OperationError& e) {
        previewError_ = e;
        fresh = {};
    }
    batch_ = std::move(fresh);
    previewModel_->reload();
    showPreviewSummary();
}

// The field list follows the separator and the lines skipped; it is only replaced when
// it changes, so that the line the user selected stays selected.
void qbk3cdi::refreshFieldList(const DelimitedLayout& layout, const DelimitedFooter& footer) {
    const std::optional<ImportPreview> preview = previewImportFile(ImportFileName, layout, footer);
    if (!preview) return;
    bool same = InputList->count() == static_cast<int>(preview->lines.size());
    for (int i = 0; same && i < InputList->count(); ++i)
        same = utf8(InputList->item(i)->text()) == preview->lines[static_cast<std::size_t>(i)];
    if (same) return;
    InputList->clear();
    for (const std::string& line : preview->lines)
        InputList->addItem(qs(line));
}

void qbk3cdi::loadCategories() {
    categories_ = readCategories(window_.state().CategoryFilePath);
    std::vector<std::pair<QString, QString>> shown;
    for (const CategoryRecord& c : categories_)
        shown.emplace_back(qs(trimBlanks(c.catCode)), qs(trimBlanks(c.catName)));
    categoryPick_->setCategories(std::move(shown));
}

void qbk3cdi::showPreviewSummary() {
    QStringList parts;
    if (!profileNote_.isEmpty()) parts << profileNote_;
    const bool delimited = format_ && !isStatement(*format_);
    if (delimited && footer_.first != 0 && !footer_.leftOut && previewError_) {
        parts << (footer_.count == 1
                      ? tr("Line %1 is no entry (shown at the end of the list): set Footer lines "
                           "to 1 to leave it out.")
                            .arg(footer_.first)
                      : tr("The %1 lines from line %2 are no entries (shown at the end of the "
                           "list): set Footer lines to %1 to leave them out.")
                            .arg(footer_.count)
                            .arg(footer_.first));
    } else if (previewError_) {
        parts << qs(previewError_->what());
    } else if (delimited && !linksComplete()) {
        parts << tr("Link the Date and Amount fields to see the entries here.");
    } else {
        parts << qs(previewSummary(batch_));
        if (!accountsNote_.isEmpty()) parts << accountsNote_;
        if (asRead_) parts << qs(readLayoutText(*asRead_, styleOf(*format_)));
        if (delimited && footer_.leftOut)
            parts << (footer_.count == 1 ? tr("1 line at the end left out.")
                                         : tr("%1 lines at the end left out.").arg(footer_.count));
    }
    PreviewStatus->setText(parts.join(QLatin1Char(' ')));
}

void qbk3cdi::ClearFields_Click() {
    for (QLabel* box : {DateLink, AmountLink, NoteLink, CatLink, UDF1Link, UDF2Link, Note2Link,
                        DebitLink, CreditLink, SignLink})
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
    profileNote_.clear();
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
    layoutChanged();
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
    if (!window_.prompts().attempt([&] {
            current = readPayeeRules(joinPath(window_.state().DataFolder, kPayeeRulesFileName));
        }))
        return;
    PayeeRulesDialog editor(current, window_.prompts(), this);
    if (editor.exec() != QDialog::Accepted) return;
    rules_ = editor.rules();
    if (!savePayeeRules()) return;
    if (format_ && isStatement(*format_)) {
        applyPayeeRules(batch_, rules_, categories_);
        previewModel_->reload();
        showPreviewSummary();
    } else {
        refreshDelimitedPreview();
    }
}

void qbk3cdi::step(int value) {
    ProgressBar1->setValue(value);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void qbk3cdi::Command1_Click() {
    const bool statement = format_ && isStatement(*format_);
    if (!statement && !linksComplete()) {
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
    if (batch_.includedWithoutCategory() > 0) {
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
    if (!window_.prompts().attempt([&] {
            const WaitCursor hourglass;
            commit = commitImport(
                batch_, {window_.state().RecordFilePath, window_.state().CategoryFilePath},
                kDefaultImportCategory, window_.stamps(), false, sortAfter_);
            // What was written is in the book now: a second Import adds nothing.
            markDuplicates(batch_, readBookIndex(window_.state().RecordFilePath));
        }))
        return;
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
