// The window in French, German and Spanish: every caption of the menus and toolbars has
// a translation, the menus keep one Alt key for each item, and the window shows them
// when the user's language is one of the three.
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTranslator>
#include <QUrl>
#include <QXmlStreamReader>
#include <set>

#include "mainwindow/qt/menu_layout.h"
#include "mainwindow/qt/status_panels.h"
#include "platform/qt/translations.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

QString accessKey(const QString& caption) {
    return QKeySequence::mnemonic(caption).toString();
}

TEST(Translations, EveryCaptionHasOneWithItsOwnAltKeyInEachMenu) {
    for (const char* language : {"de", "fr", "es"}) {
        QTranslator t;
        ASSERT_TRUE(
            t.load(QStringLiteral("quillbank_") + QLatin1String(language), translationsFolder()))
            << language;
        const auto shown = [&](const char* context, const char* english) {
            const QString text = t.translate(context, english);
            EXPECT_FALSE(text.isEmpty()) << language << ": " << english;
            return text;
        };
        std::set<QString> titles;
        for (const MenuDef& menu : menuDefs()) {
            EXPECT_TRUE(titles.insert(accessKey(shown("Menu", menu.caption))).second)
                << language << ": " << menu.caption;
            std::set<QString> keys;
            for (const MenuItemDef& item : menuItemDefs()) {
                if (std::string_view(item.menu) != menu.name || std::string_view(item.name) == "-")
                    continue;
                const QString key = accessKey(shown("Menu", item.caption));
                EXPECT_TRUE(!key.isEmpty() && keys.insert(key).second)
                    << language << ": " << item.caption << " has no Alt key of its own";
            }
        }
        for (const auto defs : {mainToolBarDefs(), reportToolBarDefs()})
            for (const ToolButtonDef& def : defs) {
                shown("ToolBar", def.caption);
                shown("ToolBar", def.toolTip);
            }
    }
}

// Every source text of each language's file has a finished translation, and within a
// context a source text stands once.
TEST(Translations, EveryTextOfEachFileIsTranslated) {
    for (const char* language : {"de", "fr", "es"}) {
        QFile file(QString::fromUtf8(QBK_TS_DIR "quillbank_") + QLatin1String(language) +
                   QStringLiteral(".ts"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language;
        QXmlStreamReader xml(&file);
        QString context, source;
        std::set<std::pair<QString, QString>> seen;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
                EXPECT_TRUE(seen.emplace(context, source).second)
                    << language << ": " << utf8(context) << " twice: " << utf8(source);
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                EXPECT_TRUE(xml.attributes().value(QLatin1String("type")).isEmpty())
                    << language << ": unfinished " << utf8(source);
                EXPECT_FALSE(xml.readElementText().isEmpty())
                    << language << ": " << utf8(context) << " " << utf8(source);
            }
        }
        EXPECT_FALSE(xml.hasError()) << language << ": " << utf8(xml.errorString());
        EXPECT_GT(messages, 300) << language;
    }
}

// The help opens in the user's language where the program has that page, else in English.
TEST(Translations, TheHelpOfTheUsersLanguageIsOpened) {
    QTemporaryDir dir;
    for (const char* page : {"/index.html", "/index_de.html"}) {
        QFile file(dir.path() + QLatin1String(page));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString base = QUrl::fromLocalFile(dir.path()).toString();
    EXPECT_EQ(helpContentsUrl(dir.path(), "de"), base + "/index_de.html");
    EXPECT_EQ(helpContentsUrl(dir.path(), "fr"), base + "/index.html");
    EXPECT_EQ(helpContentsUrl(dir.path(), ""), base + "/index.html");
    EXPECT_EQ(helpContentsUrl(":/nothing", "de"), "qrc:/nothing/index.html");
}

class TranslatedWindowTest : public testing::WindowTest {
  protected:
    ~TranslatedWindowTest() override { installTranslations(*qApp, QLocale::c()); }
};

TEST_F(TranslatedWindowTest, TheWindowSpeaksTheUsersLanguageAndEnglishWithoutOne) {
    EXPECT_EQ(installTranslations(*qApp, QLocale(QStringLiteral("de_AT"))), "de");
    QBK_3_Main& w = start();
    EXPECT_EQ(w.findChild<QMenu*>("mu_File")->title(), "&Datei");
    EXPECT_EQ(w.findChild<QAction*>("mu_NewEntry")->text(), "&Neuer Eintrag");
    EXPECT_EQ(w.findChild<QAction*>("MainToolBar_New")->toolTip(),
              "Einen neuen Einnahmen- oder Ausgabeneintrag anlegen");
    // The entry form and the list speak German too; the user field keeps its own name.
    key(w.mainGrid(), Qt::Key_F2);
    EXPECT_EQ(w.findChild<QPushButton*>("NewIncomeButton")->text(), "Neue Einn&ahme");
    EXPECT_EQ(w.findChild<QPushButton*>("CloseButton")->text(), "S&chließen");
    EXPECT_EQ(w.findChild<QLabel*>("User1Label")->text(), "user &1    ");
    EXPECT_EQ(w.findChild<QWidget*>("AmountBox")->toolTip(), "Betrag der Einnahme oder Ausgabe");
    EXPECT_EQ(w.mainGridModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Betrag");
    // Texts of the core with variable parts are shown from their templates' translations.
    const QString items = w.displayStatusBar()->panelText(display_panel::kItems);
    EXPECT_TRUE(items.endsWith(QStringLiteral(" Einträge"))) << utf8(items);
    EXPECT_EQ(shownText("Category = Food %2 "), "Kategorie = Food %2 ");
    EXPECT_EQ(shownMessage("4 records that were marked for deletion have been restored.\r\n"
                           "Are you sure?"),
              "4 zum Löschen markierte Datensätze wurden wiederhergestellt.\nSind Sie sicher?");
    EXPECT_EQ(shownText("Items: 4"), "Items: 4");
    EXPECT_EQ(installTranslations(*qApp, QLocale(QStringLiteral("en_GB"))), "");
    EXPECT_EQ(QCoreApplication::translate("Menu", "&File"), "&File");
}

}  // namespace
}  // namespace qbk
