// What a keyboard user meets in a window: the Alt access keys of its buttons, labels,
// boxes, tabs and menu bar, and the inputs that a label's key leads to. Only the widgets
// the window shows now count, so a frame that opens over another is checked open.
#ifndef QBK_TESTS_SUPPORT_KEYBOARD_CHECK_H_
#define QBK_TESTS_SUPPORT_KEYBOARD_CHECK_H_

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QStringList>
#include <QTabBar>
#include <string>

namespace qbk::testing {

inline QString nameOf(const QObject* o, const QString& text) {
    return o->objectName().isEmpty() ? QLatin1Char('"') + text + QLatin1Char('"') : o->objectName();
}

// The window's problems, one line each: two controls on one Alt key, a label whose key
// leads nowhere, an input that no label's key reaches (unless named in `unlabelled`).
// Empty when there are none.
inline std::string keyboardGaps(const QWidget* window, const QStringList& unlabelled = {}) {
    QMap<QString, QStringList> owners;  // "Alt+D" -> the controls it belongs to
    QSet<const QWidget*> reached;
    QStringList gaps;
    const auto take = [&](const QObject* o, const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) owners[key.toString()] << nameOf(o, text);
        return !key.isEmpty();
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            take(b, b->text());
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            take(g, g->title());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                take(tabs, tabs->tabText(i));
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
            for (const QAction* a : bar->actions())
                take(a, a->text());
        } else if (const auto* l = qobject_cast<const QLabel*>(w); l && l->buddy()) {
            if (take(l, l->text()))
                reached.insert(l->buddy());
            else
                gaps << nameOf(l, l->text()) + " has a buddy but no key";
        }
    }
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it->size() > 1) gaps << it.key() + " clashes: " + it->join(", ");

    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const bool input = qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                           qobject_cast<const QAbstractItemView*>(w) ||
                           qobject_cast<const QAbstractSpinBox*>(w) ||
                           qobject_cast<const QPlainTextEdit*>(w) ||
                           (qobject_cast<const QLabel*>(w) && (w->focusPolicy() & Qt::TabFocus));
        // The parts of a combo box, a spin box or a list (its line, its popup, an open
        // editor) belong to it.
        const QWidget* p = w->parentWidget();
        const bool part =
            p && p != window &&
            (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
             qobject_cast<const QAbstractItemView*>(p) ||
             qobject_cast<const QAbstractItemView*>(p->parentWidget()));
        if (!input || part || !w->isVisibleTo(window) || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (!reached.contains(w) && !unlabelled.contains(w->objectName()))
            gaps << w->objectName() + " has no label with a key";
    }
    return gaps.join(QLatin1Char('\n')).toStdString();
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_KEYBOARD_CHECK_H_
