#include "platform/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>
#include <QUrl>
#include <memory>
#include <string>

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

QString shownMessage(std::string_view english) {
    const QString whole = translated("Messages", english);
    if (whole != QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())))
        return whole;
    QStringList lines;
    std::size_t start = 0;
    while (start <= english.size()) {
        std::size_t end = english.find('\n', start);
        if (end == std::string_view::npos) end = english.size();
        std::string_view line = english.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines << (line.empty() ? QString() : translated("Messages", line));
        start = end + 1;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace qbk
