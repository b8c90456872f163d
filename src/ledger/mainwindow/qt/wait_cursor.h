// The hourglass pointer for the life of a long operation.
#ifndef QBK_MAINWINDOW_QT_WAIT_CURSOR_H_
#define QBK_MAINWINDOW_QT_WAIT_CURSOR_H_

#include <QApplication>
#include <QCursor>

namespace qbk {

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_WAIT_CURSOR_H_
