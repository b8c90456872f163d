// A date box: the user types a date in the regional short date form (12/31/2000,
// 31.12.2000) or picks it from a calendar, opened by the button at the box's end or by
// Alt+Down. The box holds text; the command that reads it checks it and says
// when it is not a date.
#ifndef QBK_PLATFORM_QT_TYPED_DATE_BOX_H_
#define QBK_PLATFORM_QT_TYPED_DATE_BOX_H_

#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "platform/regional.h"

#include <QCalendarWidget>

namespace qbk {

class TypedDateBox : public QLineEdit {
    Q_OBJECT
  public:
    // `today` is the day the calendar shows when the box holds no date.
    TypedDateBox(const RegionalSettings& regional, std::function<DaySerial()> today,
                 QWidget* parent);

    // Opens the calendar on the box's date; a day clicked or chosen with Enter fills the
    // box in the short date form, Esc closes it with the box as it was.
    void showCalendar();
    // The open calendar, or nullptr.
    QCalendarWidget* calendar() const { return calendar_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const RegionalSettings& regional_;
    std::function<DaySerial()> today_;
    QPointer<QCalendarWidget> calendar_;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_TYPED_DATE_BOX_H_
