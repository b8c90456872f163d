// What a screen reader meets in a window: its accessibility tree (QAccessible), walked
// from the window down through what is shown. Every control a user can operate must
// have a name made of words, not left empty or read as punctuation ("<30").
#ifndef QBK_TESTS_SUPPORT_ACCESSIBILITY_CHECK_H_
#define QBK_TESTS_SUPPORT_ACCESSIBILITY_CHECK_H_

#include <QAccessible>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <string>

namespace qbk::testing {

inline bool operable(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
        case QAccessible::PageTab:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::Link:
            return true;
        default:
            return false;
    }
}

inline void walkAccessible(QAccessibleInterface* node, QStringList& unnamed, int depth) {
    if (node == nullptr || !node->isValid() || depth > 40) return;
    if (node->state().invisible) return;
    if (const auto* w = qobject_cast<const QWidget*>(node->object()); w && !w->isVisible()) return;
    const QAccessible::Role role = node->role();
    if (operable(role)) {
        const QString name = node->text(QAccessible::Name);
        if (!name.contains(QRegularExpression(QStringLiteral("\\w\\w")))) {
            // Named by the object, or by its nearest named parent.
            QString where = QString::number(role, 16);
            for (const QObject* o = node->object(); o; o = o->parent())
                if (!o->objectName().isEmpty()) {
                    where =
                        o->objectName() + (o == node->object() ? QString() : QStringLiteral("/?"));
                    break;
                }
            unnamed << where + QStringLiteral(" \"") + name + QLatin1Char('"');
        }
    }
    // The cells of a list or table are its data, named by their text.
    if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        walkAccessible(node->child(i), unnamed, depth + 1);
}

// The operable controls of `window` that assistive technology finds without a name, one
// a line ("DateDn \"<\""); empty when there are none.
inline std::string unnamedControls(QWidget* window) {
    QStringList unnamed;
    walkAccessible(QAccessible::queryAccessibleInterface(window), unnamed, 0);
    return unnamed.join(QLatin1Char('\n')).toStdString();
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_ACCESSIBILITY_CHECK_H_
