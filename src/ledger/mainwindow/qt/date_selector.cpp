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

#include "mainwindow/date_selection.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"

namespace qbk {
DateSelector::DateSelector(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("DateSelector"));
    QFrame* frame = window.dateDialFrame();
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);

    DateDialDialog = new QLabel(frame);
    DateDialDialog->setObjectName(QStringLiteral("DateDialDialog"));
    DateDialDialog->setWordWrap(true);
    QFont bold = DateDialDialog->font();
    bold.setBold(true);
    DateDialDialog->setFont(bold);
    grid->addWidget(DateDialDialog, 0, 0, 1, 2);

    auto* selection = new QLabel(qs(kDateSelectedCaption), frame);
    selection->setObjectName(QStringLiteral("DateDialSelectionLabel"));
    grid->addWidget(selection, 1, 0, Qt::AlignRight);
    DateDialDisplay = new QLineEdit(frame);
    DateDialDisplay->setObjectName(QStringLiteral("DateDialDisplay"));
    DateDialDisplay->setReadOnly(true);
    DateDialDisplay->setFocusPolicy(Qt::NoFocus);
    DateDialDisplay->setAlignment(Qt::AlignCenter);
    DateDialDisplay->setFont(bold);
    grid->addWidget(DateDialDisplay, 1, 1);

    struct Step {
        const char* name;
        const char* caption;
        const char* toolTip;
        int days;
    };
    static constexpr Step kSteps[] = {
        {"DateDial365Less", "<365", "Change date - 365 days lower", -365},
        {"DateDial30Less", "<30", "Change date - 30 days lower", -30},
        {"DateDial1Less", "<", "Change date - one day lower", -1},
        {"DateDialToday", "!", "Change date - make today", 0},
        {"DateDial1More", ">", "Change date - one day higher", 1},
        {"DateDial30More", "30>", "Change date - 30 days higher", 30},
        {"DateDial365More", "365>", "Change date - 365 days higher", 365},
    };
    auto* steps = new QHBoxLayout;
    steps->setSpacing(4);
    for (const Step& s : kSteps) {
        QPushButton* b = namedButton(frame, s.name, QString::fromUtf8(s.caption), s.toolTip);
        b->setFixedWidth(48);
        if (s.days == 0)
            connect(b, &QPushButton::clicked, this, [this] { DateDialToday_Click(); });
        else
            connect(b, &QPushButton::clicked, this, [this, days = s.days] { step(days); });
        steps->addWidget(b);
    }
    grid->addLayout(steps, 2, 0, 1, 2);

    auto* answers = new QHBoxLayout;
    DateDialOK =
        namedButton(frame, "DateDialOK", QStringLiteral("O&K"), "Click to accept date shown");
    DateDialOK->setIcon(frame->style()->standardIcon(QStyle::SP_DialogOkButton));
    QPushButton* quit =
        namedButton(frame, "DateDialQuit", QStringLiteral("&Quit"), "Quit date selector");
    quit->setIcon(frame->style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(DateDialOK, &QPushButton::clicked, this, [this] { DateDialOK_Click(); });
    connect(quit, &QPushButton::clicked, this, [this] { DateDialQuit_Click(); });
    answers->addStretch();
    answers->addWidget(DateDialOK);
    answers->addWidget(quit);
    answers->addStretch();
    grid->addLayout(answers, 3, 0, 1, 2);

    DateDialDialog->setMinimumWidth(360);
    frame->setFixedSize(frame->sizeHint());

    // Start-up shows today.
    auto previous = window.hooks.startupDone;
    window.hooks.startupDone = [this, previous] {
        if (previous) previous();
        DateDialToday_Click();
    };
    window.installEventFilter(this);
}

std::optional<std::string> DateSelector::ask(const std::string& question,
                                             const std::optional<std::string>& start) {
    if (asking_) return std::nullopt;
    QFrame* frame = window_.dateDialFrame();
    if (start) setDisplayText(*start);
    frame->show();
    frame->raise();
    DateDialDialog->setText(qs(question));
    MainState& state = window_.state();
    state.DateDialDone = false;
    asking_ = true;
    abandoned_ = false;
    DateDialOK->setFocus();
    emit waiting();
    while (!state.DateDialDone && !abandoned_)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    asking_ = false;
    // Esc ends the wait without hiding the frame; nobody is asking any more.
    frame->hide();
    if (abandoned_) return std::nullopt;
    return displayText();
}

std::string DateSelector::displayText() const {
    return utf8(DateDialDisplay->text());
}

void DateSelector::setDisplayText(const std::string& text) {
    DateDialDisplay->setText(qs(text));
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
    setDisplayText(window_.regional().shortDate(window_.services().clock.today()));
}

void DateSelector::step(int days) {
    if (const auto moved = stepDateText(displayText(), days, window_.regional()))
        setDisplayText(*moved);
}

bool DateSelector::eventFilter(QObject* watched, QEvent* event) {
    // A window that closes ends the wait: the command cannot go on without it.
    if (watched == &window_ && event->type() == QEvent::Close && asking_) abandoned_ = true;
    return false;
}

}  // namespace qbk
