#include "mainwindow/qt/category_frame.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "mainwindow/qt/qbk3_main.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"
#include "store/category_record.h"

namespace qbk {
namespace {

constexpr int kFrameWidth = 470;
constexpr int kFrameHeight = 300;
constexpr int kCodeLimit = 10;
constexpr int kNameLimit = 20;
// The description is stored with CR LF line breaks: each break takes two of its places.
constexpr int kDescriptionLimit = 500;

int storedLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

// Cuts what was typed or pasted into the description to what the record can hold.
void limitDescription(QPlainTextEdit* box) {
    const QString text = box->toPlainText();
    if (storedLength(text) <= kDescriptionLimit) return;
    QString kept = text;
    while (storedLength(kept) > kDescriptionLimit)
        kept.chop(1);
    QSignalBlocker block(box);
    box->setPlainText(kept);
    QTextCursor end = box->textCursor();
    end.movePosition(QTextCursor::End);
    box->setTextCursor(end);
}

QPushButton* pictureButton(QWidget* parent, const char* name, const QString& caption,
                           QStyle::StandardPixmap picture, const QString& tip) {
    auto* button = new QPushButton(parent->style()->standardIcon(picture), caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CategoryFrameCommands::CategoryFrameCommands(QBK_3_Main& window)
    : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("CategoryFrameCommands"));
    build();
    window_.setCommand("mu_NewCategory", [this] { mu_NewCategory_Click(); });
    window_.setCommand("mu_EditCategory", [this] { mu_EditCategory_Click(); });
}

void CategoryFrameCommands::build() {
    QFrame* frame = window_.categoryFrame();
    frame->setFixedSize(kFrameWidth, kFrameHeight);

    auto* title = new QLabel(tr("Category"), frame);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    CatCodeEd = new QLineEdit(frame);
    CatCodeEd->setObjectName(QStringLiteral("CatCodeEd"));
    CatCodeEd->setMaxLength(kCodeLimit);
    CatCodeEd->setToolTip(tr("Category code - up to ten characters"));
    CatLabelEd = new QLineEdit(frame);
    CatLabelEd->setObjectName(QStringLiteral("CatLabelEd"));
    CatLabelEd->setMaxLength(kNameLimit);
    CatLabelEd->setToolTip(tr("Category name - up to 20 characters"));
    CatDescriptionEd = new QPlainTextEdit(frame);
    CatDescriptionEd->setObjectName(QStringLiteral("CatDescriptionEd"));
    CatDescriptionEd->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CatDescriptionEd->setTabChangesFocus(true);
    CatDescriptionEd->setToolTip(tr("Category description - up to 500 characters"));
    connect(CatDescriptionEd, &QPlainTextEdit::textChanged, this,
            [this] { limitDescription(CatDescriptionEd); });

    SaveCat = pictureButton(frame, "SaveCat", tr("Sa&ve"), QStyle::SP_DialogSaveButton,
                            tr("Save new category"));
    ReplaceCat = pictureButton(frame, "ReplaceCat", tr("Re&place"), QStyle::SP_BrowserReload,
                               tr("Replace category with new name and/or code"));
    DeleteCat = pictureButton(frame, "DeleteCat", tr("Dele&te"), QStyle::SP_TrashIcon,
                              tr("Delete this category"));
    QuitCat = pictureButton(frame, "QuitCat", tr("&Quit"), QStyle::SP_DialogCancelButton,
                            tr("Quit category edit - no changes"));
    connect(SaveCat, &QPushButton::clicked, this, [this] { SaveCat_Click(); });
    connect(ReplaceCat, &QPushButton::clicked, this, [this] { ReplaceCat_Click(); });
    connect(DeleteCat, &QPushButton::clicked, this, [this] { DeleteCat_Click(); });
    connect(QuitCat, &QPushButton::clicked, this, [this] { QuitCat_Click(); });

    auto* grid = new QGridLayout(frame);
    grid->addWidget(title, 0, 0, 1, 2);
    // The labels name their boxes for assistive technology.
    auto label = [frame](const QString& caption, QWidget* box) {
        auto* l = new QLabel(caption, frame);
        l->setBuddy(box);
        return l;
    };
    grid->addWidget(label(tr("Code"), CatCodeEd), 1, 0);
    grid->addWidget(CatCodeEd, 1, 1);
    grid->addWidget(label(tr("Name"), CatLabelEd), 2, 0);
    grid->addWidget(CatLabelEd, 2, 1);
    grid->addWidget(label(tr("Description"), CatDescriptionEd), 3, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(CatDescriptionEd, 3, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {SaveCat, ReplaceCat, DeleteCat, QuitCat})
        buttons->addWidget(b);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setRowStretch(3, 1);
}

CategoryForm CategoryFrameCommands::form() const {
    QString description = CatDescriptionEd->toPlainText();
    description.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return {utf8(CatCodeEd->text()), utf8(CatLabelEd->text()), utf8(description)};
}

void CategoryFrameCommands::setForm(const CategoryForm& form) {
    CatCodeEd->setText(qs(form.code));
    CatLabelEd->setText(qs(form.name));
    CatDescriptionEd->setPlainText(qsLines(form.description));
}

void CategoryFrameCommands::open(bool existing) {
    DeleteCat->setEnabled(existing);
    ReplaceCat->setEnabled(existing);
    window_.categoryFrame()->show();
    window_.categoryFrame()->raise();
    CatCodeEd->setFocus();
}

void CategoryFrameCommands::close() {
    window_.categoryFrame()->hide();
}

void CategoryFrameCommands::mu_NewCategory_Click() {
    setForm({});
    open(false);
}

void CategoryFrameCommands::mu_EditCategory_Click() {
    const MainState& s = window_.state();
    CategoryEditStart start;
    if (!window_.prompts().attempt([&] {
            start = editCategory(s.CategoryFilePath, s.CategoryFilterCode, s.CategoryFilterName);
        }))
        return;
    if (start.message) {
        window_.prompts().message(*start.message);
        return;
    }
    setForm(*start.form);
    open(true);
}

void CategoryFrameCommands::SaveCat_Click() {
    CategoryChange change;
    if (!window_.prompts().attempt(
            [&] { change = saveCategory(window_.state().CategoryFilePath, form()); }))
        return;
    if (change.message) window_.prompts().message(*change.message);
    close();
    if (change.done) window_.PopCategoryGrid();
}

void CategoryFrameCommands::ReplaceCat_Click() {
    MainState& s = window_.state();
    const CategoryForm typed = form();
    if (trimBlanks(typed.code).empty()) {
        window_.prompts().message(blankCategoryCodeMessage());
        close();
        return;
    }
    CategoryChange change;
    if (!window_.prompts().attempt([&] {
            change =
                replaceCategory(s.CategoryFilePath, s.RecordFilePath, s.CategoryFilterCode, typed);
        }))
        return;
    if (!change.done) {
        // The frame stays open with what was typed, so that another code can be tried.
        if (change.message) window_.prompts().message(*change.message);
        return;
    }
    s.CategoryFilterCode = fitField(change.filterCode, category_layout::kCatCodeWidth);
    close();
    window_.PopCategoryGrid();
    window_.refreshList();
}

void CategoryFrameCommands::DeleteCat_Click() {
    MainState& s = window_.state();
    const std::string code = form().code;
    if (trimBlanks(code).empty()) {
        close();
        return;
    }
    try {
        if (auto refusal = deleteCategoryRefusal(s.CategoryFilePath, s.CategoryFilterCode, code)) {
            window_.prompts().message(*refusal);
            return;
        }
    } catch (const OperationError& e) {
        window_.showError(e);
        return;
    }
    if (window_.prompts().message(deleteCategoryQuestion(s.CategoryFilterName)) != Answer::Yes)
        return;

    CategoryChange change;
    if (!window_.prompts().attempt(
            [&] { change = deleteCategory(s.CategoryFilePath, s.CategoryFilterCode, code); }))
        return;
    if (!change.done) {
        if (change.message) window_.prompts().message(*change.message);
        return;
    }
    close();
    window_.PopCategoryGrid();

    if (window_.prompts().message(categoryDeletedQuestion(s.CategoryFilterName)) == Answer::Yes &&
        window_.prompts().message(areYouSureQuestion()) == Answer::Yes) {
        window_.prompts().attempt(
            [&] { deleteCategoryEntries(s.RecordFilePath, s.CategoryFilterCode); });
    }
    showAllCategories();
}

void CategoryFrameCommands::QuitCat_Click() {
    close();
}

void CategoryFrameCommands::showAllCategories() {
    MainState& s = window_.state();
    s.showAllCategories();
    window_.refreshList();
}

}  // namespace qbk
