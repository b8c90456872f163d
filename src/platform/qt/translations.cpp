#include "platform/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace qbk {

QString translationsFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/quillbank/translations"));
}

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
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
    return own->language().left(2);
}

}  // namespace qbk
