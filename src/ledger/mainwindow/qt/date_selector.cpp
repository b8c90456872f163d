#include "mainwindow/qt/date_selector.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <tuple>

#include "mainwindow/date_selection.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"
#include "platform/qt/typed_date_box.h"

namespace qbk {
DateSelector::DateSelector(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("DateSelector"));
    QFrame* frame = window.dateDialFrame();
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    createDateBoxes(grid);
    createStepButtons(grid);
    createAnswerButtons(grid);
    DateDialDialog->setMinimumWidth(360);
    frame->setFixedSize(frame->sizeHint());
    DateDialLatestLabel->hide();
    DateDialLatest->hide();

    // Start-up shows today.
    connect(&window, &QBK_3_Main::startupDone, this, &DateSelector::DateDialToday_Click);
    window.installEventFilter(this);
}

void DateSelector::createDateBoxes(QGridLayout* grid) {
    QFrame* frame = window_.dateDialFrame();
    DateDialDialog = new QLabel(frame);
    DateDialDialog->setObjectName(QStringLiteral("DateDialDialog"));
    DateDialDialog->setWordWrap(true);
    QFont bold = DateDialDialog->font();
    bold.setBold(true);
    DateDialDialog->setFont(bold);
    grid->addWidget(DateDialDialog, 0, 0, 1, 2);

    DateDialSelectionLabel = new QLabel(translated(staticMetaObject, kDateSelectedCaption), frame);
    DateDialSelectionLabel->setObjectName(QStringLiteral("DateDialSelectionLabel"));
    grid->addWidget(DateDialSelectionLabel, 1, 0, Qt::AlignRight);
    DateDialLatestLabel = new QLabel(tr("Latest date"), frame);
    DateDialLatestLabel->setObjectName(QStringLiteral("DateDialLatestLabel"));
    grid->addWidget(DateDialLatestLabel, 2, 0, Qt::AlignRight);
    auto today = [this] { return window_.services().clock.today(); };
    for (auto [box, name, label, row] :
         {std::tuple{&DateDialDisplay, "DateDialDisplay", DateDialSelectionLabel, 1},
          std::tuple{&DateDialLatest, "DateDialLatest", DateDialLatestLabel, 2}}) {
        *box = new TypedDateBox(window_.regional(), today, frame);
        TypedDateBox* b = *box;
        b->setObjectName(QString::fromUtf8(name));
        b->setAlignment(Qt::AlignCenter);
        b->setFont(bold);
        b->installEventFilter(this);
        label->setBuddy(b);
        connect(b, &QLineEdit::returnPressed, this, [this] { DateDialOK_Click(); });
        grid->addWidget(b, row, 1);
    }
    DateDialDisplay->setToolTip(tr("The date - type it or pick it (Alt+Down)"));
    DateDialLatest->setToolTip(tr("The latest date - type it or pick it (Alt+Down)"));
    stepped_ = DateDialDisplay;
}

void DateSelector::createStepButtons(QGridLayout* grid) {
    QFrame* frame = window_.dateDialFrame();
    struct Step {
        const char* name;
        const char* caption;
        const char* toolTip;
        int days;
    };
    static constexpr Step kSteps[] = {
        {"DateDial365Less", "<365", QT_TR_NOOP("Change date - 365 days lower"), -365},
        {"DateDial30Less", "<30", QT_TR_NOOP("Change date - 30 days lower"), -30},
        {"DateDial1Less", "<", QT_TR_NOOP("Change date - one day lower"), -1},
        {"DateDialToday", "!", QT_TR_NOOP("Change date - make today"), 0},
        {"DateDial1More", ">", QT_TR_NOOP("Change date - one day higher"), 1},
        {"DateDial30More", "30>", QT_TR_NOOP("Change date - 30 days higher"), 30},
        {"DateDial365More", "365>", QT_TR_NOOP("Change date - 365 days higher"), 365},
    };
    auto* steps = new QHBoxLayout;
    steps->setSpacing(4);
    for (const Step& s : kSteps) {
        QPushButton* b = namedButton(frame, s.name, QString::fromUtf8(s.caption), tr(s.toolTip));
        b->setFixedWidth(48);
        if (s.days == 0)
            connect(b, &QPushButton::clicked, this, [this] { DateDialToday_Click(); });
        else
            connect(b, &QPushButton::clicked, this, [this, days = s.days] { step(days); });
        steps->addWidget(b);
    }
    grid->addLayout(steps, 3, 0, 1, 2);
}

void DateSelector::createAnswerButtons(QGridLayout* grid) {
    QFrame* frame = window_.dateDialFrame();
    auto* answers = new QHBoxLayout;
    DateDialOK = namedButton(frame, "DateDialOK", tr("O&K"), tr("Click to accept date shown"));
    DateDialOK->setIcon(frame->style()->standardIcon(QStyle::SP_DialogOkButton));
    QPushButton* quit = namedButton(frame, "DateDialQuit", tr("&Quit"), tr("Quit date selector"));
    quit->setIcon(frame->style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(DateDialOK, &QPushButton::clicked, this, [this] { DateDialOK_Click(); });
    connect(quit, &QPushButton::clicked, this, [this] { DateDialQuit_Click(); });
    answers->addStretch();
    answers->addWidget(DateDialOK);
    answers->addWidget(quit);
    answers->addStretch();
    grid->addLayout(answers, 4, 0, 1, 2);
}

std::optional<std::string> DateSelector::ask(const std::string& question,
                                             const std::optional<std::string>& start) {
    if (asking_) return std::nullopt;
    if (start) setDisplayText(*start);
    DateDialSelectionLabel->setText(translated(staticMetaObject, kDateSelectedCaption));
    if (!wait(question, false)) return std::nullopt;
    return displayText();
}

std::optional<std::pair<std::string, std::string>> DateSelector::askRange(const std::string& start,
                                                                          const std::string& end) {
    if (asking_) return std::nullopt;
    setDisplayText(start);
    DateDialLatest->setText(qs(end));
    DateDialSelectionLabel->setText(tr("Earliest date"));
    const std::string question =
        std::string(kEarliestDateQuestion) + "\n" + std::string(kLatestDateQuestion);
    if (!wait(question, true)) return std::nullopt;
    return std::pair(displayText(), latestText());
}

bool DateSelector::wait(const std::string& question, bool range) {
    QFrame* frame = window_.dateDialFrame();
    DateDialLatestLabel->setVisible(range);
    DateDialLatest->setVisible(range);
    // The frame takes the size of the question it shows.
    DateDialDialog->setText(shownMessage(question));
    frame->layout()->invalidate();
    frame->setFixedSize(frame->layout()->sizeHint());
    window_.centerFrame(frame);
    frame->show();
    frame->raise();
    MainState& state = window_.state();
    state.DateDialDone = false;
    asking_ = true;
    abandoned_ = false;
    stepped_ = DateDialDisplay;
    DateDialDisplay->setFocus();
    DateDialDisplay->selectAll();
    emit waiting();
    while (!state.DateDialDone && !abandoned_)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    asking_ = false;
    // Esc ends the wait without hiding the frame; nobody is asking any more.
    frame->hide();
    return !abandoned_;
}

std::string DateSelector::displayText() const {
    return utf8(DateDialDisplay->text());
}

void DateSelector::setDisplayText(const std::string& text) {
    DateDialDisplay->setText(qs(text));
}

std::string DateSelector::latestText() const {
    return utf8(DateDialLatest->text());
}

void DateSelector::DateDialOK_Click() {
    window_.state().DateDialDone = true;
    window_.dateDialFrame()->hide();
}

void DateSelector::DateDialQuit_Click() {
    abandoned_ = asking_;
    window_.dateDialFrame()->hide();
}

void DateSelector::DateDialToday_Click() {
    stepped_->setText(qs(window_.regional().shortDate(window_.services().clock.today())));
}

void DateSelector::step(int days) {
    if (const auto moved = stepDateText(utf8(stepped_->text()), days, window_.regional()))
        stepped_->setText(qs(*moved));
}

bool DateSelector::eventFilter(QObject* watched, QEvent* event) {
    // A window that closes ends the wait: the command cannot go on without it.
    if (watched == &window_ && event->type() == QEvent::Close && asking_) abandoned_ = true;
    if (event->type() == QEvent::FocusIn &&
        (watched == DateDialDisplay || watched == DateDialLatest))
        stepped_ = static_cast<TypedDateBox*>(watched);
    return false;
}

}  // namespace qbk
