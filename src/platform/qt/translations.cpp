#include "platform/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/fill_in.h"

namespace qbk {

QString translationsFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/quillbank/translations"));
}

namespace {
QString& installed() {
    static QString language;
    return language;
}

struct TextTemplate {
    std::string text;               // "%1 Items"
    QRegularExpression madeFromIt;  // ^(.*) Items$
};

std::vector<TextTemplate>& textTemplates() {
    static std::vector<TextTemplate> templates;
    return templates;
}

}  // namespace

QString installedLanguage() {
    return installed();
}

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
    installed().clear();
    // One pair for the life of the program: the window's captions and Qt's dialogs.
    static QTranslator* own = nullptr;
    static QTranslator* qt = nullptr;
    for (QTranslator** t : {&own, &qt}) {
        if (*t == nullptr) continue;
        QCoreApplication::removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
    auto captions = std::make_unique<QTranslator>();
    if (!captions->load(locale, QStringLiteral("quillbank"), QStringLiteral("_"),
                        translationsFolder()))
        return {};
    own = captions.release();
    app.installTranslator(own);
    qt = new QTranslator;
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    installed() = own->language().left(2);
    return installed();
}

QString helpContentsUrl(const QString& folder, const QString& language) {
    QString page = folder + QStringLiteral("/index_") + language + QStringLiteral(".html");
    if (language.isEmpty() || !QFile::exists(page)) page = folder + QStringLiteral("/index.html");
    return page.startsWith(QLatin1Char(':')) ? QStringLiteral("qrc") + page
                                             : QUrl::fromLocalFile(page).toString();
}

QString translated(const char* context, std::string_view english) {
    const std::string source(english);
    return QCoreApplication::translate(context, source.c_str());
}

QString translated(const QMetaObject& window, std::string_view english) {
    return translated(window.className(), english);
}

void addTextTemplates(std::initializer_list<std::string_view> templates) {
    static const QRegularExpression part(QStringLiteral("%[1-9]"));
    for (const std::string_view t : templates) {
        std::vector<TextTemplate>& known = textTemplates();
        if (std::any_of(known.begin(), known.end(),
                        [t](const TextTemplate& k) { return k.text == t; }))
            continue;
        // The literal pieces must all be there; each part is whatever lies between them.
        const QString text = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
        QString pattern = QStringLiteral("^");
        qsizetype from = 0;
        for (auto m = part.globalMatch(text); m.hasNext();) {
            const QRegularExpressionMatch marker = m.next();
            pattern += QRegularExpression::escape(text.mid(from, marker.capturedStart() - from)) +
                       QStringLiteral("(.*)");
            from = marker.capturedEnd();
        }
        pattern += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
        known.push_back({std::string(t), QRegularExpression(pattern)});
    }
}

QString shownText(std::string_view english) {
    const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    const QString whole = translated("Messages", english);
    if (whole != text || installedLanguage().isEmpty()) return whole;
    for (const TextTemplate& t : textTemplates()) {
        const QRegularExpressionMatch m = t.madeFromIt.match(text);
        if (!m.hasMatch()) continue;
        const QString translation = translated("Messages", t.text);
        if (translation == QString::fromStdString(t.text)) return text;
        std::vector<std::string> parts;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            parts.push_back(m.captured(i).toStdString());
        return QString::fromStdString(fillIn(
            translation.toStdString(), std::vector<std::string_view>(parts.begin(), parts.end())));
    }
    return text;
}

QString shownMessage(std::string_view english) {
    const QString whole = shownText(english);
    if (whole != QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())))
        return whole;
    QStringList lines;
    std::size_t start = 0;
    while (start <= english.size()) {
        std::size_t end = english.find('\n', start);
        if (end == std::string_view::npos) end = english.size();
        std::string_view line = english.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines << (line.empty() ? QString() : shownText(line));
        start = end + 1;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace qbk
