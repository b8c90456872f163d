#include "tools/qt/config_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <variant>

#include "mainwindow/qt/qbk3_main.h"
#include "platform/errors.h"
#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/program_options.h"

namespace qbk {
namespace {

constexpr const char* kAltFolderTip =
    QT_TRANSLATE_NOOP("qbk::QBK3Config", "Save path to alternate data folder");

QCheckBox* makeCheck(QWidget* parent, const char* name) {
    auto* c = new QCheckBox(QBK3Config::tr("Save List Items?"), parent);
    c->setObjectName(QString::fromUtf8(name));
    c->setToolTip(QBK3Config::tr("Check to save each item entered in this field"));
    return c;
}

CheckState checkStateOf(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return CheckState::Checked;
        case Qt::PartiallyChecked:
            return CheckState::Grey;
        case Qt::Unchecked:
            break;
    }
    return CheckState::Unchecked;
}

Qt::CheckState qtCheckState(CheckState state) {
    switch (state) {
        case CheckState::Checked:
            return Qt::Checked;
        case CheckState::Grey:
            return Qt::PartiallyChecked;
        case CheckState::Unchecked:
            break;
    }
    return Qt::Unchecked;
}

}  // namespace

QBK3Config::QBK3Config(QBK_3_Main& window, std::string currentFolder)
    : QDialog(&window), window_(window), currentFolder_(std::move(currentFolder)) {
    setObjectName(QStringLiteral("QBK3Config"));
    setWindowTitle(tr("Quillbank Configuration Settings"));
    setModal(true);
    createFields();
    createStartupOptions();
    createButtons();
    layOut();
    FYMonth->setFocus();

    connect(AltFolder1Save, &QPushButton::clicked, this, &QBK3Config::AltFolder1Save_Click);
    connect(AltFolder2Save, &QPushButton::clicked, this, &QBK3Config::AltFolder2Save_Click);
    connect(SaveConfig, &QPushButton::clicked, this, &QBK3Config::SaveConfig_Click);
    connect(QuitConfig, &QPushButton::clicked, this, &QBK3Config::QuitConfig_Click);
    connect(ShowPassword, &QCheckBox::toggled, this, [this](bool shown) {
        PasswordEd->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });
}

void QBK3Config::createFields() {
    Label1 = makeLabel("Label1", tr("FY Starts &Month ?"));
    FYMonth = makeEdit("FYMonth", tr("First month of your fiscal year"));
    Label2 = makeLabel("Label2", tr("FY Starts &Day?"));
    FYDay = makeEdit("FYDay", tr("First day of your fiscal year"));
    for (QLineEdit* e : {FYMonth, FYDay})
        e->setMaximumWidth(60);
    PasswordLabel = makeLabel("PasswordLabel", tr("&Password"));
    PasswordEd = makeEdit("PasswordEd", tr("Start-up password - Max 10 characters"));
    // The start-up box takes no more than the field holds, so neither does this one.
    PasswordEd->setMaxLength(static_cast<int>(settings_layout::kUserPasswordWidth));
    PasswordEd->setEchoMode(QLineEdit::Password);
    ShowPassword = new QCheckBox(tr("Sho&w"), this);
    ShowPassword->setObjectName(QStringLiteral("ShowPassword"));
    ShowPassword->setToolTip(tr("Show the password as typed"));
    OwnerNameLabel = makeLabel("OwnerNameLabel", tr("&Owner Name"));
    OwnerNameEd = makeEdit("OwnerNameEd",
                           tr("Your name, as the report headings show it - Max 40 characters"));
    UDF1NameLabel = makeLabel("UDF1NameLabel", tr("Name For User Field &1"));
    UDF1NameEd = makeEdit("UDF1NameEd", tr("Name for user-defined field #1 - Max 10 characters"));
    UDF2NameLabel = makeLabel("UDF2NameLabel", tr("Name For User Field &2"));
    UDF2NameEd = makeEdit("UDF2NameEd", tr("Name for user-defined field #2 - Max 10 characters"));
    UDF1Save = makeCheck(this, "UDF1Save");
    UDF2Save = makeCheck(this, "UDF2Save");
    EditorNameLabel = makeLabel("EditorNameLabel", tr("&Editor"));
    EditorName = makeEdit("EditorName", tr("Leave blank to use Wordpad or Word"));
    AltFolder1NameLabel = makeLabel("AltFolder1NameLabel", tr("&Alt. Folder 1"));
    AltFolder1Path = makeEdit("AltFolder1Path", tr(kAltFolderTip));
    AltFolder2NameLabel = makeLabel("AltFolder2NameLabel", tr("Alt. &Folder 2"));
    AltFolder2Path = makeEdit("AltFolder2Path", tr(kAltFolderTip));
    AltFolder1Save = namedButton(this, "AltFolder1Save", tr("Use Current"),
                                 tr("Make the CURRENT folder Alternate 1"));
    AltFolder2Save = namedButton(this, "AltFolder2Save", tr("Use Current"),
                                 tr("Make the CURRENT folder Alternate 2"));
    // The twin controls share their captions; their names for assistive technology say
    // which field they belong to.
    UDF1Save->setAccessibleName(tr("Save List Items? (User Field 1)"));
    UDF2Save->setAccessibleName(tr("Save List Items? (User Field 2)"));
    AltFolder1Save->setAccessibleName(tr("Use Current (Alt. Folder 1)"));
    AltFolder2Save->setAccessibleName(tr("Use Current (Alt. Folder 2)"));
    // The two "Save List Items?" boxes and the two "Use Current" buttons share their
    // captions and so take no key; each is one Tab from the field on its row.
    const std::pair<QLabel*, QWidget*> buddies[] = {{Label1, FYMonth},
                                                    {Label2, FYDay},
                                                    {PasswordLabel, PasswordEd},
                                                    {OwnerNameLabel, OwnerNameEd},
                                                    {UDF1NameLabel, UDF1NameEd},
                                                    {UDF2NameLabel, UDF2NameEd},
                                                    {EditorNameLabel, EditorName},
                                                    {AltFolder1NameLabel, AltFolder1Path},
                                                    {AltFolder2NameLabel, AltFolder2Path}};
    for (const auto& [label, field] : buddies)
        label->setBuddy(field);

    TranslatedCaptions = new QCheckBox(tr("Translated report &captions"), this);
    TranslatedCaptions->setObjectName(QStringLiteral("TranslatedCaptions"));
    TranslatedCaptions->setToolTip(
        tr("Reports show their captions in the language of the window; unchecked they stay "
           "English"));
    // English captions are the only ones an English window has.
    TranslatedCaptions->setVisible(!installedLanguage().isEmpty());
}

void QBK3Config::createStartupOptions() {
    InitDisplayFrame = new QGroupBox(tr("At Start &Up Display..."), this);
    InitDisplayFrame->setObjectName(QStringLiteral("InitDisplayFrame"));
    startupOptions_ = new QButtonGroup(this);
    auto* options = new QVBoxLayout(InitDisplayFrame);
    for (std::size_t i = 0; i < kStartupRangeOptions.size(); ++i) {
        auto* option = new QRadioButton(
            translated(staticMetaObject, kStartupRangeOptions[i].caption), InitDisplayFrame);
        option->setObjectName(qs(kStartupRangeOptions[i].objectName));
        startupOptions_->addButton(option, static_cast<int>(i));
        options->addWidget(option);
    }
}

void QBK3Config::createButtons() {
    SaveConfig =
        namedButton(this, "SaveConfig", tr("&Save"), tr("Quit Settings - save any changes"));
    QuitConfig = namedButton(this, "QuitConfig", tr("&Quit"),
                             tr("Quit Settings without saving any changes"));
    SaveConfig->setDefault(true);
}

void QBK3Config::layOut() {
    auto* fields = new QGridLayout;
    int row = 0;
    auto* fiscal = new QHBoxLayout;
    fiscal->addWidget(FYMonth);
    fiscal->addSpacing(12);
    fiscal->addWidget(Label2);
    fiscal->addWidget(FYDay);
    fiscal->addStretch(1);
    fields->addWidget(Label1, row, 0);
    fields->addLayout(fiscal, row++, 1, 1, 2);
    fields->addWidget(PasswordLabel, row, 0);
    fields->addWidget(PasswordEd, row, 1);
    fields->addWidget(ShowPassword, row++, 2);
    fields->addWidget(OwnerNameLabel, row, 0);
    fields->addWidget(OwnerNameEd, row++, 1, 1, 2);
    fields->addWidget(UDF1NameLabel, row, 0);
    fields->addWidget(UDF1NameEd, row, 1);
    fields->addWidget(UDF1Save, row++, 2);
    fields->addWidget(UDF2NameLabel, row, 0);
    fields->addWidget(UDF2NameEd, row, 1);
    fields->addWidget(UDF2Save, row++, 2);
    fields->addWidget(EditorNameLabel, row, 0);
    fields->addWidget(EditorName, row++, 1, 1, 2);
    fields->addWidget(AltFolder1NameLabel, row, 0);
    fields->addWidget(AltFolder1Path, row, 1);
    fields->addWidget(AltFolder1Save, row++, 2);
    fields->addWidget(AltFolder2NameLabel, row, 0);
    fields->addWidget(AltFolder2Path, row, 1);
    fields->addWidget(AltFolder2Save, row++, 2);
    fields->addWidget(TranslatedCaptions, row++, 1, 1, 2);
    fields->setRowStretch(row, 1);
    fields->setColumnMinimumWidth(1, 260);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(InitDisplayFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveConfig);
    buttons->addWidget(QuitConfig);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    // Tab goes along each row of the fields, then through the start-up options.
    std::vector<QWidget*> order{FYMonth,        FYDay,          PasswordEd,        ShowPassword,
                                OwnerNameEd,    UDF1NameEd,     UDF1Save,          UDF2NameEd,
                                UDF2Save,       EditorName,     AltFolder1Path,    AltFolder1Save,
                                AltFolder2Path, AltFolder2Save, TranslatedCaptions};
    for (QAbstractButton* option : startupOptions_->buttons())
        order.push_back(option);
    order.insert(order.end(), {SaveConfig, QuitConfig});
    setTabChain(order);
}

QLineEdit* QBK3Config::makeEdit(const char* name, const QString& tip) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromUtf8(name));
    e->setToolTip(tip);
    return e;
}

QLabel* QBK3Config::makeLabel(const char* name, const QString& caption) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

bool QBK3Config::Form_Load() {
    if (!window_.prompts().attempt([&] {
            read_ = loadSettings(window_.services().programFolder + std::string(kSettingsFileName))
                        .settings;
        }))
        return false;
    window_.state().ProgramSettings = read_;
    setForm(settingsFormOf(read_));
    if (!window_.prompts().attempt([&] {
            TranslatedCaptions->setChecked(programOption(window_.services().programFolder,
                                                         kTranslatedReportCaptionsKey) == "Y");
        }))
        return false;
    return true;
}

SettingsForm QBK3Config::form() const {
    SettingsForm f;
    f.fyMonth = utf8(FYMonth->text());
    f.fyDay = utf8(FYDay->text());
    f.password = utf8(PasswordEd->text());
    f.ownerName = utf8(OwnerNameEd->text());
    const int checked = startupOptions_->checkedId();
    if (checked >= 0)
        f.startupRange = kStartupRangeOptions[static_cast<std::size_t>(checked)].value;
    f.udf1Name = utf8(UDF1NameEd->text());
    f.udf2Name = utf8(UDF2NameEd->text());
    f.udf1Save = checkStateOf(UDF1Save);
    f.udf2Save = checkStateOf(UDF2Save);
    f.editorName = utf8(EditorName->text());
    f.altFolder1Path = utf8(AltFolder1Path->text());
    f.altFolder2Path = utf8(AltFolder2Path->text());
    return f;
}

void QBK3Config::setForm(const SettingsForm& f) {
    FYMonth->setText(qs(f.fyMonth));
    FYDay->setText(qs(f.fyDay));
    // A password is kept padded with blanks; no password is ten blanks. Either shows as
    // typed (saving removes surrounding blanks all the same).
    PasswordEd->setText(qs(trimBlanks(f.password)));
    OwnerNameEd->setText(qs(f.ownerName));
    // An exclusive group cannot uncheck its button directly; for a range that is not
    // among the options no button shows selected.
    startupOptions_->setExclusive(false);
    for (QAbstractButton* b : startupOptions_->buttons())
        b->setChecked(false);
    startupOptions_->setExclusive(true);
    for (std::size_t i = 0; i < kStartupRangeOptions.size(); ++i)
        if (f.startupRange == kStartupRangeOptions[i].value)
            startupOptions_->button(static_cast<int>(i))->setChecked(true);
    UDF1NameEd->setText(qs(f.udf1Name));
    UDF2NameEd->setText(qs(f.udf2Name));
    for (const auto& [box, state] :
         {std::pair{UDF1Save, f.udf1Save}, std::pair{UDF2Save, f.udf2Save}}) {
        box->setTristate(state == CheckState::Grey);
        box->setCheckState(qtCheckState(state));
    }
    EditorName->setText(qs(f.editorName));
    AltFolder1Path->setText(qs(f.altFolder1Path));
    AltFolder2Path->setText(qs(f.altFolder2Path));
}

void QBK3Config::AltFolder1Save_Click() {
    AltFolder1Path->setText(qs(currentFolder_));
}

void QBK3Config::AltFolder2Save_Click() {
    AltFolder2Path->setText(qs(currentFolder_));
}

void QBK3Config::SaveConfig_Click() {
    const std::variant<SettingsRecord, Message> result = applySettingsForm(form(), read_);
    if (const Message* refusal = std::get_if<Message>(&result)) {
        window_.prompts().message(*refusal);
        return;
    }
    const SettingsRecord& settings = std::get<SettingsRecord>(result);
    if (!window_.prompts().attempt([&] {
            qbk::SaveConfig(window_.services().programFolder + std::string(kSettingsFileName),
                            settings);
            if (!TranslatedCaptions->isHidden())
                setProgramOption(window_.services().programFolder, kTranslatedReportCaptionsKey,
                                 TranslatedCaptions->isChecked() ? "Y" : "N");
        }))
        return;
    window_.state().ProgramSettings = settings;
    accept();
}

void QBK3Config::QuitConfig_Click() {
    reject();
}

}  // namespace qbk
