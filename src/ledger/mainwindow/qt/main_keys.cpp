// The window keys: the main window sees every key before its controls.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>

#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"

namespace qbk {

bool QBK_3_Main::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::FocusIn || type == QEvent::FocusOut) &&
        (watched == MainGrid || watched == CategoryGrid)) {
        SetGridColors();
        return false;
    }
    // A toolbar button without a tool tip would show its caption instead.
    if (type == QEvent::ToolTip && toolTipsRemoved_) {
        const QObject* bar = watched->parent();
        if (bar == MainToolBar || bar == ReportToolBar) return true;
    }
    // Ctrl+C over text chosen in the report copies it; elsewhere it stays the report's key.
    if (type == QEvent::ShortcutOverride && watched == Viewer &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        Viewer->textCursor().hasSelection()) {
        event->accept();
        return true;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Keys of this window only (not of its dialogs), seen once (at the focus widget).
    if (widget == nullptr || widget->window() != this || widget != QApplication::focusWidget())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) return false;
    // Enter presses the button that has the focus, as Space does.
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    const bool down = Form_KeyDown(key->key(), key->modifiers());
    const bool press = key->key() == Qt::Key_Escape && Form_KeyPress(key->key());
    return down || press;
}

bool QBK_3_Main::Form_KeyDown(int key, Qt::KeyboardModifiers) {
    const bool formOpen = EditFrame->isVisible();
    const bool gridFocus = MainGrid->hasFocus();
    if (key == Qt::Key_Escape && formOpen) {
        emit closeEntryRequested();
        return true;
    }
    if (formOpen) {
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && CategoryGrid->hasFocus()) {
            CategoryGrid_Click();
            emit amountFocusRequested();
            return true;
        }
        return false;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && CategoryGrid->hasFocus()) {
        CategoryGrid_DblClick();
        return true;
    }
    if (!gridFocus) return false;
    if (!state_.ReportMode) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit openEntryRequested();
            return true;
        }
        if (key == Qt::Key_Insert) {
            runCommand("mu_NewEntry");
            return true;
        }
        return false;
    }
    if (key == Qt::Key_Escape && Viewer->isHidden()) {
        runCommand("mu_QuitReports");
        return true;
    }
    if (key == Qt::Key_Delete) {
        deleteKey();
        return true;
    }
    return false;
}

void QBK_3_Main::deleteKey() {
    if (EditFrame->isVisible()) return;
    if (!state_.ReportMode) {
        emit deleteSelectedEntryRequested();
        return;
    }
    if (mainGridModel_->rowCount() > 1 && MainGrid->currentIndex().isValid())
        emit removeReportLineRequested();
}

bool QBK_3_Main::Form_KeyPress(int key) {
    if (key != Qt::Key_Escape || state_.ReportMode) return false;
    state_.DateDialDone = true;
    if (state_.MacroMode) {
        emit quitMacroEditRequested();
    } else {
        const std::string start = state_.RangeStart, end = state_.RangeEnd;
        emit macroModeEndRequested();
        // Esc puts the default range back; the list follows at once, so that the range
        // label, the list and its totals always agree.
        if (state_.RangeStart != start || state_.RangeEnd != end) refreshList();
    }
    return true;
}

}  // namespace qbk
