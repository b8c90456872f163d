// The user's language for the window: the program's own translations of its captions
// and Qt's of its dialogs, read from share/quillbank/translations beside the program's
// bin/ folder (in the build tree as when installed) and from Qt's own folder.
#ifndef QBK_PLATFORM_QT_TRANSLATIONS_H_
#define QBK_PLATFORM_QT_TRANSLATIONS_H_

#include <QLocale>
#include <QString>
#include <initializer_list>
#include <string_view>

class QCoreApplication;
struct QMetaObject;

namespace qbk {

// The folder of the program's translations, "<bin>/../share/quillbank/translations".
QString translationsFolder();

// Installs on `app` the translations of `locale`'s language, when the program has one;
// English and a language without one keep the English captions. Returns the language
// installed ("de", "fr", "es"), or "" for none. A second call replaces the first.
QString installTranslations(QCoreApplication& app, const QLocale& locale);

// The language installTranslations installed last, "" for English.
QString installedLanguage();

// The URL of the help contents in `language` ("de": "<folder>/index_de.html") when the
// program has that page, else of the English "<folder>/index.html". `folder` is a
// resource folder (":/help") or a folder of the file system.
QString helpContentsUrl(const QString& folder, const QString& language);

// `english`, a text of the core shown in the window `context`, in the user's language;
// itself when it has no translation.
QString translated(const char* context, std::string_view english);
// The same in the context of the window class `window`, as its tr() looks texts up.
QString translated(const QMetaObject& window, std::string_view english);

// Texts of the core with variable parts are made from templates whose parts are "%1",
// "%2"... ("%1 Items"). Registered here, a text made from one of them is shown from the
// template's translation in the "Messages" context with the same parts ("%1 Einträge").
// A template registered twice counts once.
void addTextTemplates(std::initializer_list<std::string_view> templates);

// A text of the core in the user's language: its translation in the "Messages" context,
// else that of the first registered template it was made from, filled with its parts;
// itself when there is neither.
QString shownText(std::string_view english);

// A message of the core in the user's language: the whole text as shownText shows it,
// else each of its lines, with its line ends as "\n".
QString shownMessage(std::string_view english);

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_TRANSLATIONS_H_
