// Widgets made with the objectName that the program's commands and its tests find them
// by, and with their tool tip. Buttons never act as a dialog's default button by
// themselves: the windows say which one is. A button whose caption has no words ("<30",
// "!") is named for assistive technology by its tool tip. setTabChain gives a window's
// controls their Tab order.
#ifndef QBK_PLATFORM_QT_NAMED_WIDGETS_H_
#define QBK_PLATFORM_QT_NAMED_WIDGETS_H_

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QString>
#include <vector>

namespace qbk {

inline QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption,
                                const QString& toolTip = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setToolTip(toolTip);
    b->setAutoDefault(false);
    if (!caption.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
        b->setAccessibleName(toolTip);
    return b;
}

inline QPushButton* namedButton(QWidget* parent, const char* name, const char* caption,
                                const QString& toolTip = {}) {
    return namedButton(parent, name, QString::fromUtf8(caption), toolTip);
}

inline QLineEdit* namedLineEdit(QWidget* parent, const char* name, const QString& toolTip = {}) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setToolTip(toolTip);
    return box;
}

// Tab goes from each control to the next of `chain`, in order.
inline void setTabChain(const std::vector<QWidget*>& chain) {
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_NAMED_WIDGETS_H_
