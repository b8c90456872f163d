// The user's language for the window: the program's own translations of its captions
// and Qt's of its dialogs, read from share/quillbank/translations beside the program's
// bin/ folder (in the build tree as when installed) and from Qt's own folder.
#ifndef QBK_PLATFORM_QT_TRANSLATIONS_H_
#define QBK_PLATFORM_QT_TRANSLATIONS_H_

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace qbk {

// The folder of the program's translations, "<bin>/../share/quillbank/translations".
QString translationsFolder();

// Installs on `app` the translations of `locale`'s language, when the program has one;
// English and a language without one keep the English captions. Returns the language
// installed ("de", "fr", "es"), or "" for none. A second call replaces the first.
QString installTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_TRANSLATIONS_H_
