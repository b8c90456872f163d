#include "mainwindow/qt/entry_form.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include "mainwindow/date_selection.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/menu_layout.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/book_lock.h"
#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/readable_colours.h"
#include "platform/qt/typed_date_box.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/category_file.h"
#include "store/pick_list.h"
#include "store/record_file.h"

namespace qbk {
namespace {

QComboBox* userList(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setDuplicatesEnabled(true);
    // Remembered values are offered in a list under the box, never filled in while
    // typing: a value that begins another one must stay as typed.
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    box->setToolTip(EntryForm::tr("Single or list of user-defined item(s). See Settings!"));
    box->setMinimumContentsLength(12);
    return box;
}

// A stored user field without its padding; blanks typed before the value are part of it.
QString withoutPadding(std::string_view field) {
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    return qs(field);
}

// Boxes that only the buttons and the category list change take no Tab.
void skipOnTab(QLineEdit* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
}

// The letter of the Alt key a caption gives ("&Delete" gives "D"), or nothing.
QString accessKeyOf(const QString& caption) {
    return QKeySequence::mnemonic(caption).toString().remove(QStringLiteral("Alt+"));
}

}  // namespace

void showUserFieldNames(QLabel& first, QLabel& second, const SettingsRecord& settings) {
    // The keys of the menu bar and of the other buttons and labels of the form.
    QString taken;
    for (const MenuDef& menu : menuDefs())
        taken += accessKeyOf(shownCaption(menu));
    for (const QAbstractButton* b : first.parentWidget()->findChildren<QAbstractButton*>())
        taken += accessKeyOf(b->text());
    for (const QLabel* l : first.parentWidget()->findChildren<QLabel*>())
        if (l != &first && l != &second) taken += accessKeyOf(l->text());
    first.setText(withAccessKey(settings.udf1Name(), taken));
    second.setText(withAccessKey(settings.udf2Name(), taken + accessKeyOf(first.text())));
    // The box typed into inside each list is read by the field's name too.
    for (const QLabel* label : {&first, &second})
        if (auto* box = qobject_cast<QComboBox*>(label->buddy()); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(
                QString(label->text()).remove(QLatin1Char('&')).trimmed());
}

EntryForm::EntryForm(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("EntryForm"));
    QFrame* frame = window_.editFrame();
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    createDateRow(grid);
    createCategoryRow(grid);
    createNoteRow(grid);
    createUserFieldRow(grid);
    createCommandButtons(grid);
    // Tab goes from the amount through what is typed to the buttons, then to the date.
    setTabChain({DateBox, AmountBox, NoteBox, UserList1, UserList2, NewIncomeButton,
                 NewExpenseButton, ReplaceIncomeButton, ReplaceExpenseButton, DeleteButton,
                 CloseButton, udf1Delete_, udf2Delete_});
    frame->setFixedSize(frame->sizeHint());

    window.setCommand("mu_NewEntry", [this] { mu_NewEntry_Click(); });
    window.setCommand("mu_EditEntry", [this] { MainGrid_DblClick(); });
    connect(&window, &QBK_3_Main::openEntryRequested, this, &EntryForm::MainGrid_DblClick);
    connect(&window, &QBK_3_Main::closeEntryRequested, this, &EntryForm::CloseButton_Click);
    connect(&window, &QBK_3_Main::deleteSelectedEntryRequested, this,
            &EntryForm::deleteSelectedEntry);
    connect(&window, &QBK_3_Main::amountFocusRequested, this, [this] { AmountBox->setFocus(); });
    connect(&window, &QBK_3_Main::categoryTaken, this, &EntryForm::takeCategory);
    connect(&window, &QBK_3_Main::startupDone, this, [this] {
        showUserFieldNames(*User1Label, *User2Label, window_.state().ProgramSettings);
    });
    // Ctrl+Del and Alt+Del are the form's keys wherever its focus is.
    qApp->installEventFilter(this);
}

QLabel* EntryForm::newLabel(const QString& caption) const {
    return new QLabel(caption, window_.editFrame());
}

void EntryForm::createDateRow(QGridLayout* grid) {
    QFrame* frame = window_.editFrame();
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(4);
    struct DateButton {
        const char* name;
        const char* caption;
        const char* toolTip;
        int days;
    };
    static constexpr DateButton kBefore[] = {
        {"DateDn30", "<30", QT_TR_NOOP("Change date - 30 days lower"), -30},
        {"DateDn", "<", QT_TR_NOOP("Change date - one day lower"), -1},
    };
    static constexpr DateButton kAfter[] = {
        {"DateUp", ">", QT_TR_NOOP("Change date - one day higher"), 1},
        {"DateUp30", "30>", QT_TR_NOOP("Change date - 30 days higher"), 30},
    };
    auto addDateButton = [&](const DateButton& d) {
        QPushButton* b = namedButton(frame, d.name, QString::fromUtf8(d.caption), tr(d.toolTip));
        b->setFixedWidth(40);
        connect(b, &QPushButton::clicked, this, [this, days = d.days] { moveDate(days); });
        dateRow->addWidget(b);
        dateButtons_.push_back(b);
    };
    for (const DateButton& d : kBefore)
        addDateButton(d);
    DateBox = new TypedDateBox(
        window_.regional(), [this] { return window_.services().clock.today(); }, frame);
    DateBox->setObjectName(QStringLiteral("DateBox"));
    DateBox->setToolTip(tr("Date of the entry - type it or pick it (Alt+Down)"));
    DateBox->setAlignment(Qt::AlignCenter);
    DateBox->setFixedWidth(DateBox->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) +
                           44);
    dateRow->addWidget(DateBox);
    for (const DateButton& d : kAfter)
        addDateButton(d);
    TodayButton =
        namedButton(frame, "TodayButton", QStringLiteral("!"), tr("Change date - make today"));
    TodayButton->setFixedWidth(32);
    connect(TodayButton, &QPushButton::clicked, this, [this] { TodayButton_Click(); });
    dateRow->addWidget(TodayButton);
    dateButtons_.push_back(TodayButton);
    dateRow->addSpacing(24);
    QLabel* amountLabel = newLabel(tr("Amo&unt"));
    dateRow->addWidget(amountLabel);
    AmountBox = namedLineEdit(frame, "AmountBox", tr("Amount of income or expense"));
    amountLabel->setBuddy(AmountBox);
    AmountBox->setAlignment(Qt::AlignRight);
    AmountBox->setFixedWidth(130);
    dateRow->addWidget(AmountBox);
    dateRow->addStretch();
    // Date's letters are all Alt keys of the form or the menu bar: the label names the
    // box for assistive technology only.
    DateBox->setAccessibleName(tr("Date"));
    grid->addWidget(newLabel(tr("Date")), 0, 0);
    grid->addLayout(dateRow, 0, 1);
}

void EntryForm::createCategoryRow(QGridLayout* grid) {
    QFrame* frame = window_.editFrame();
    auto* categoryRow = new QHBoxLayout;
    categoryRow->setSpacing(4);
    CategoryCodeBox = namedLineEdit(frame, "CategoryCodeBox",
                                    tr("Category code - click list on right to change"));
    skipOnTab(CategoryCodeBox);
    CategoryCodeBox->setMaxLength(10);
    CategoryCodeBox->setFixedWidth(
        CategoryCodeBox->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMM")) + 10);
    CategoryBox =
        namedLineEdit(frame, "CategoryBox", tr("Category name - click list on right to change"));
    skipOnTab(CategoryBox);
    CategoryCodeBox->setAccessibleName(tr("Category code"));
    CategoryBox->setAccessibleName(tr("Category name"));
    categoryRow->addWidget(CategoryCodeBox);
    categoryRow->addWidget(CategoryBox, 1);
    grid->addWidget(newLabel(tr("Category")), 1, 0);
    grid->addLayout(categoryRow, 1, 1);
}

void EntryForm::createNoteRow(QGridLayout* grid) {
    NoteBox = namedLineEdit(window_.editFrame(), "NoteBox",
                            tr("Type a short note here - up to 60 characters"));
    NoteBox->setMaxLength(static_cast<int>(entry_layout::kNoteWidth));
    NoteBox->setMinimumWidth(NoteBox->fontMetrics().averageCharWidth() * 62);
    QLabel* noteLabel = newLabel(tr("No&te"));
    noteLabel->setBuddy(NoteBox);
    grid->addWidget(noteLabel, 2, 0);
    grid->addWidget(NoteBox, 2, 1);
}

void EntryForm::createUserFieldRow(QGridLayout* grid) {
    QFrame* frame = window_.editFrame();
    auto* userRow = new QHBoxLayout;
    userRow->setSpacing(4);
    User1Label = new QLabel(frame);
    User1Label->setObjectName(QStringLiteral("User1Label"));
    User2Label = new QLabel(frame);
    User2Label->setObjectName(QStringLiteral("User2Label"));
    UserList1 = userList(frame, "UserList1");
    UserList2 = userList(frame, "UserList2");
    User1Label->setBuddy(UserList1);
    User2Label->setBuddy(UserList2);
    udf1Delete_ =
        namedButton(frame, "UDF1Delete", QStringLiteral("x"), tr("Remove item from pick list"));
    udf2Delete_ =
        namedButton(frame, "UDF2Delete", QStringLiteral("x"), tr("Remove item from pick list"));
    udf1Delete_->setAccessibleName(tr("Remove item from pick list of user field 1"));
    udf2Delete_->setAccessibleName(tr("Remove item from pick list of user field 2"));
    for (QPushButton* b : {udf1Delete_, udf2Delete_}) {
        b->setFixedWidth(28);
        b->setIcon(frame->style()->standardIcon(QStyle::SP_TrashIcon));
        b->setText(QString());
    }
    connect(udf1Delete_, &QPushButton::clicked, this, [this] { removePickListValue(1); });
    connect(udf2Delete_, &QPushButton::clicked, this, [this] { removePickListValue(2); });
    userRow->addWidget(UserList1, 1);
    userRow->addWidget(udf1Delete_);
    userRow->addSpacing(24);
    userRow->addWidget(User2Label);
    userRow->addWidget(UserList2, 1);
    userRow->addWidget(udf2Delete_);
    grid->addWidget(User1Label, 3, 0);
    grid->addLayout(userRow, 3, 1);
}

void EntryForm::createCommandButtons(QGridLayout* grid) {
    QFrame* frame = window_.editFrame();
    auto* commands = new QHBoxLayout;
    commands->setSpacing(6);
    NewIncomeButton =
        namedButton(frame, "NewIncomeButton", tr("New &Income"), tr("Save new income record"));
    NewExpenseButton =
        namedButton(frame, "NewExpenseButton", tr("New Ex&pense"), tr("Save new expense record"));
    ReplaceIncomeButton = namedButton(frame, "ReplaceIncomeButton", tr("Replace Inc&ome"),
                                      tr("Replace this record - save as income"));
    ReplaceExpenseButton = namedButton(frame, "ReplaceExpenseButton", tr("Replace E&xpense"),
                                       tr("Replace this record - save as expense"));
    DeleteButton =
        namedButton(frame, "DeleteButton", tr("&Delete"), tr("Delete record (CTRL-DEL)"));
    CloseButton =
        namedButton(frame, "CloseButton", tr("C&lose"), tr("Quit record edit - no changes (ESC)"));
    NewIncomeButton->setIcon(frame->style()->standardIcon(QStyle::SP_ArrowUp));
    NewExpenseButton->setIcon(frame->style()->standardIcon(QStyle::SP_ArrowDown));
    DeleteButton->setIcon(frame->style()->standardIcon(QStyle::SP_TrashIcon));
    CloseButton->setIcon(frame->style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(NewIncomeButton, &QPushButton::clicked, this, [this] { NewIncomeButton_Click(); });
    connect(NewExpenseButton, &QPushButton::clicked, this, [this] { NewExpenseButton_Click(); });
    connect(ReplaceIncomeButton, &QPushButton::clicked, this,
            [this] { ReplaceIncomeButton_Click(); });
    connect(ReplaceExpenseButton, &QPushButton::clicked, this,
            [this] { ReplaceExpenseButton_Click(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButton_Click(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButton_Click(); });
    for (QPushButton* b : {NewIncomeButton, NewExpenseButton, ReplaceIncomeButton,
                           ReplaceExpenseButton, DeleteButton, CloseButton})
        commands->addWidget(b);
    grid->addLayout(commands, 4, 0, 1, 2);
}

void EntryForm::setDateEditable(bool editable) {
    DateBox->setEnabled(editable);
    for (QPushButton* b : dateButtons_)
        b->setEnabled(editable);
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyRelease || watched != QApplication::focusWidget()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Delete || key->isAutoRepeat() ||
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_ || !window_.editFrame()->isVisible() ||
        !DeleteButton->isEnabled())
        return false;
    DeleteButton_Click();
    return true;
}

// ---- Opening ----

void EntryForm::mu_NewEntry_Click() {
    window_.mainGrid()->setEnabled(false);
    window_.allCategoryButton()->setEnabled(false);
    PumpUpEditBox();
    const MainState& state = window_.state();
    DateBox->setText(qs(window_.regional().shortDate(window_.services().clock.today())));
    NoteBox->clear();
    CategoryBox->clear();
    CategoryCodeBox->clear();
    if (!trimBlanks(state.CategoryFilterCode).empty()) {
        CategoryCodeBox->setText(qs(state.CategoryFilterCode));
        CategoryBox->setText(qs(state.CategoryFilterName));
    }
    AmountBox->clear();
    setAmountColour(false);
    DeleteButton->setEnabled(false);
    ReplaceIncomeButton->setEnabled(false);
    ReplaceExpenseButton->setEnabled(false);
    window_.editFrame()->show();
    window_.editFrame()->raise();
    window_.categoryGrid()->setFocus();
}

void EntryForm::MainGrid_DblClick() {
    MainState& state = window_.state();
    if (state.ReportMode) return;
    const QModelIndex current = window_.mainGrid()->currentIndex();
    if (!current.isValid()) return;
    // The exact stamp and place the row was listed with; the stamp column's text is
    // only shown, never read back.
    const double stamp = window_.mainGridModel()->stamp(current.row());
    const std::size_t number = window_.mainGridModel()->recordNumber(current.row());

    std::optional<OpenedRecord> found;
    std::string categoryName;
    if (!window_.prompts().attempt([&] {
            found = openRecord(state.RecordFilePath, stamp, number);
            if (found) getlabel(state.CategoryFilePath, found->record().categoryCode, categoryName);
        }))
        return;
    if (!found) {
        window_.prompts().message(entryGoneMessage());
        window_.refreshList();
        return;
    }
    opened_ = *found;
    loaded_ = found->record();
    state.EditStamp = loaded_.recordStamp;
    state.CurrentRecord = loaded_;

    const EntryRecord& r = loaded_;
    DateBox->setText(qs(window_.regional().shortDate(r.entryDate)));
    setAmountColour(r.amount.isNegative());
    AmountBox->setText(qs(amountBoxText(r.amount, window_.regional())));
    CategoryCodeBox->setText(qs(r.categoryCode));
    CategoryBox->setText(qs(categoryName));
    NoteBox->setText(qs(trimBlanks(r.note)));
    PumpUpEditBox();
    // Shown without their padding, so that saving the entry again stores what it held
    // and remembers the value, not its blanks.
    UserList1->setEditText(withoutPadding(r.userField1));
    UserList2->setEditText(withoutPadding(r.userField2));
    window_.editFrame()->show();
    window_.editFrame()->raise();
    // The amount is what is changed most; Space on a date button would change the date.
    AmountBox->setFocus();
}

void EntryForm::PumpUpEditBox() {
    for (QPushButton* b : {DeleteButton, CloseButton, ReplaceIncomeButton, ReplaceExpenseButton,
                           NewIncomeButton, NewExpenseButton})
        b->setEnabled(true);
    loadPickList(UserList1, 1);
    loadPickList(UserList2, 2);
    const SettingsRecord& s = window_.state().ProgramSettings;
    showUserFieldNames(*User1Label, *User2Label, s);
}

void EntryForm::loadPickList(QComboBox* box, int field) {
    box->clear();
    box->clearEditText();
    std::vector<std::string> values;
    window_.prompts().attempt(
        [&] { values = readPickList(pickListPath(window_.state().DataFolder, field)); });
    for (const std::string& v : values)
        box->addItem(qs(v));
    // Filling the drop-down does not choose a value.
    box->setCurrentIndex(-1);
    box->clearEditText();
}

void EntryForm::setAmountColour(bool expense) {
    // From the application's palette, so that a changed palette is followed at the next
    // opening of the form.
    QPalette p = QApplication::palette(AmountBox);
    const QColor text = p.color(QPalette::Text);
    p.setColor(QPalette::Text,
               expense ? readableOn(QColor(255, 0, 0), p.color(QPalette::Base)) : text);
    AmountBox->setPalette(p);
}

EntryFormText EntryForm::text() const {
    return {utf8(DateBox->text()), utf8(AmountBox->text()),        utf8(CategoryCodeBox->text()),
            utf8(NoteBox->text()), utf8(UserList1->currentText()), utf8(UserList2->currentText())};
}

// ---- Saving ----

void EntryForm::saveNew(bool income) {
    MainState& state = window_.state();
    NewEntry saved;
    std::optional<BookWriteScope> write;  // from when the form is accepted
    if (!window_.prompts().attempt([&] {
            saved = saveNewEntry(state.RecordFilePath, state.DataFolder, state.ProgramSettings,
                                 text(), income, window_.regional(), window_.stamps(),
                                 window_.sortKeys(), [&] { write.emplace(window_); });
        }))
        return;
    if (saved.refusal) {
        window_.prompts().message(*saved.refusal);
        return;
    }
    state.CurrentRecord = saved.record;
    finishSave();
}

void EntryForm::replace(bool income) {
    MainState& state = window_.state();
    if (state.EditStamp == 0) return;
    // Entries of a macro carry no date of their own: the date box is not read.
    std::optional<DaySerial> fixedDate;
    if (state.MacroMode) fixedDate = income ? loaded_.entryDate : window_.services().clock.today();
    EntryReading reading =
        readEntryForm(text(), income, EntryCommand::Replace, fixedDate, window_.regional());
    if (reading.refusal) {
        window_.prompts().message(*reading.refusal);
        return;
    }
    if (window_.prompts().message(replaceQuestion()) != Answer::Yes) return;
    EntryRecord& record = reading.record;
    keepClearedMark(loaded_, record);
    const EntryFormText typed = text();
    // Gone since it was opened: what was typed stays, so it can be saved as new.
    if (!writeOver(opened_, record, &window_.stamps(), [&] {
            AddToUserFields(state.DataFolder, state.ProgramSettings, typed.user1, typed.user2);
        }))
        return;
    state.CurrentRecord = record;
    finishSave();
}

bool EntryForm::writeOver(const OpenedRecord& opened, EntryRecord& record, StampSource* stamps,
                          const std::function<void()>& alsoWrite) {
    MainState& state = window_.state();
    try {
        BookLock lock(state.DataFolder);
        if (alsoWrite) alsoWrite();
        if (!replaceOpened(state.RecordFilePath, opened, record, stamps)) {
            window_.prompts().message(entryGoneMessage());
            window_.refreshList();
            return false;
        }
        lock.commit();
    } catch (const OperationError& e) {
        window_.showError(e);
        return false;
    }
    return true;
}

void EntryForm::DeleteButton_Click() {
    MainState& state = window_.state();
    if (state.EditStamp == 0) return;
    if (window_.prompts().message(deleteQuestion()) != Answer::Yes) return;
    EntryRecord record = loaded_;
    record.deletedMark.assign(1, 'Y');
    // Nothing written: the form stays open with the entry as it was read.
    if (!writeOver(opened_, record, nullptr)) return;
    state.CurrentRecord = record;
    finishSave();
}

void EntryForm::deleteSelectedEntry() {
    MainState& state = window_.state();
    const QModelIndex current = window_.mainGrid()->currentIndex();
    if (state.ReportMode || !current.isValid()) return;
    const int row = current.row();
    std::optional<OpenedRecord> found;
    if (!window_.prompts().attempt([&] {
            found = openRecord(state.RecordFilePath, window_.mainGridModel()->stamp(row),
                               window_.mainGridModel()->recordNumber(row));
        }))
        return;
    if (!found) {
        window_.prompts().message(entryGoneMessage());
        window_.refreshList();
        return;
    }
    if (window_.prompts().message(deleteQuestion()) != Answer::Yes) return;
    EntryRecord record = found->record();
    record.deletedMark.assign(1, 'Y');
    if (!writeOver(*found, record, nullptr)) return;
    state.CurrentRecord = record;
    window_.refreshList();
    // The row below takes the deleted one's place, so that Del can go on down the list.
    window_.selectMainGridRow(std::min(row, window_.mainGridModel()->rowCount() - 1));
    window_.focusMainGrid();
}

void EntryForm::hideForm() {
    for (QComboBox* box : {UserList1, UserList2})
        box->completer()->popup()->hide();
    window_.editFrame()->hide();
}

void EntryForm::finishSave() {
    window_.state().EditStamp = 0;
    hideForm();
    window_.allCategoryButton()->setEnabled(true);
    window_.mainGrid()->setEnabled(true);
    window_.refreshList();
    window_.focusMainGrid();
}

void EntryForm::CloseButton_Click() {
    window_.state().EditStamp = 0;
    hideForm();
    window_.allCategoryButton()->setEnabled(true);
    window_.mainGrid()->setEnabled(true);
    const QModelIndex current = window_.mainGrid()->currentIndex();
    if (current.isValid()) window_.selectMainGridRow(current.row());
    window_.focusMainGrid();
}

// ---- The boxes ----

void EntryForm::TodayButton_Click() {
    DateBox->setText(qs(window_.regional().shortDate(window_.services().clock.today())));
}

void EntryForm::moveDate(int days) {
    if (const auto moved = stepDateText(utf8(DateBox->text()), days, window_.regional()))
        DateBox->setText(qs(*moved));
}

void EntryForm::takeCategory(const std::string& code, const std::string& name) {
    CategoryCodeBox->setText(qs(code));
    CategoryBox->setText(qs(name));
}

void EntryForm::removePickListValue(int field) {
    QComboBox* box = field == 1 ? UserList1 : UserList2;
    const std::string value = utf8(box->currentText());
    if (window_.prompts().message(removePickValueQuestion(value)) != Answer::Yes) return;
    if (!window_.prompts().attempt([&] {
            qbk::removePickListValue(pickListPath(window_.state().DataFolder, field), value);
        }))
        return;
    loadPickList(box, field);
}

}  // namespace qbk
