// Text between the core (UTF-8 std::string, CR LF line breaks) and Qt.
#ifndef QBK_PLATFORM_QT_QT_TEXT_H_
#define QBK_PLATFORM_QT_QT_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

namespace qbk {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A message text for a Qt widget: CR LF becomes a plain line break.
inline QString qsLines(std::string_view utf8) {
    QString text = qs(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_QT_TEXT_H_
