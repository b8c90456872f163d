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

// A caption for a menu item, button or label made of the user's own words: an & in a
// folder path or a field name shows as itself instead of marking an Alt key.
inline QString qsPlain(std::string_view utf8) {
    return qs(utf8).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// `words` as a caption with an Alt key on its first letter or digit that is not in
// `taken` (upper case), so that a label named by the user still leads somewhere;
// without such a letter the caption has no key.
inline QString withAccessKey(std::string_view words, const QString& taken) {
    QString text = qsPlain(words);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isLetterOrNumber() && c.unicode() < 128 && !taken.contains(c.toUpper())) {
            text.insert(i, QLatin1Char('&'));
            break;
        }
    }
    return text;
}

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_QT_TEXT_H_
