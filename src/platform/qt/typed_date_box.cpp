#include "platform/qt/typed_date_box.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>

#include "platform/dates.h"
#include "platform/qt/qt_text.h"

namespace qbk {
namespace {

QDate qdateOf(DaySerial day) {
    const auto civil = dateFromSerial(day);
    return civil ? QDate(civil->year, civil->month, civil->day) : QDate();
}

}  // namespace

TypedDateBox::TypedDateBox(const RegionalSettings& regional, std::function<DaySerial()> today,
                           QWidget* parent)
    : QLineEdit(parent), regional_(regional), today_(std::move(today)) {
    QAction* open =
        addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    open->setObjectName(objectName() + QStringLiteral("Calendar"));
    open->setText(tr("Calendar"));
    open->setToolTip(tr("Pick the date from a calendar (Alt+Down)"));
    connect(open, &QAction::triggered, this, &TypedDateBox::showCalendar);
}

void TypedDateBox::showCalendar() {
    if (isReadOnly() || !isEnabled()) return;
    auto* popup = new QFrame(this, Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(popup);
    layout->setContentsMargins(2, 2, 2, 2);
    calendar_ = new QCalendarWidget(popup);
    calendar_->setObjectName(QStringLiteral("DateCalendar"));
    calendar_->setAccessibleName(accessibleName().isEmpty() ? tr("Calendar") : accessibleName());
    calendar_->setGridVisible(true);
    const auto typed = regional_.parseDate(utf8(text()));
    QDate shown = typed ? qdateOf(*typed) : QDate();
    if (!shown.isValid() && today_) shown = qdateOf(today_());
    if (shown.isValid()) calendar_->setSelectedDate(shown);
    layout->addWidget(calendar_);
    // activated: a double-click or Enter; clicked: one click on a day.
    auto take = [this, popup](QDate date) {
        const DaySerial day = serialFromDate(date.year(), date.month(), date.day());
        setText(qs(regional_.shortDate(day)));
        popup->close();
        setFocus();
    };
    connect(calendar_, &QCalendarWidget::clicked, this, take);
    connect(calendar_, &QCalendarWidget::activated, this, take);
    auto* close = new QAction(popup);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(close, &QAction::triggered, popup, &QWidget::close);
    popup->addAction(close);
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
    calendar_->setFocus();
}

void TypedDateBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace qbk
