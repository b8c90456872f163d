// The converter's texts in its four languages.
#include <gtest/gtest.h>

#include <set>

#include "converter/language_strings.h"

namespace qbk::converter {
namespace {

struct Expected {
    const char* language;
    const char* key;
    const char* text;
    const char* toolTip;
};

// Every window and message text, word for word, with its double and trailing blanks.
const Expected kTexts[] = {
    {"English", "StartButton", "Start", "Click to start the data conversion process"},
    {"English", "HelpButton", "Help", "Click for help on data conversion"},
    {"English", "MainForm", "Quillbank 2.x to 3.x Data Converter", ""},
    {"English", "CatListLabel", "Category Files", ""},
    {"English", "DatListLabel", "Data Files", ""},
    {"English", "ConverterHelpPrompt",
     "Quillbank 2.x data must be copied and converted into a new format for Quillbank 3.x. This "
     "utility does that for you. \r\n\r\nFind your old Quillbank folder with the drive and "
     "directory tools, and then click the Start button.",
     ""},
    {"English", "ConverterHelpTitle", "Data converter help", ""},
    {"English", "DoneConvertingPrompt",
     "Data conversion is complete! Quit this converter and start Quillbank 3. If all looks OK, we "
     "advise removing the converter program.",
     ""},
    {"English", "DoneConvertingTitle", "Finished", ""},
    {"English", "NoDatFileErrorPrompt",
     "No Quillbank 2.x data files found in this folder. Look again.", ""},
    {"English", "NoDatFileErrorTitle", "Nothing to do!", ""},
    {"English", "NoCatFileErrorPrompt",
     "No Quillbank 2.x category files found in this folder. Look again.", ""},
    {"English", "NoCatFileErrorTitle", "Nothing to do!", ""},
    {"English", "ReadyToGoPrompt",
     "Caution - if you have already converted this data, don't do it again or you will have "
     "duplicate records! Proceed?",
     ""},
    {"English", "ReadyToGoTitle", "Ready to convert data", ""},
    {"French", "StartButton", "Activer", "Claquer à activer  matériau conversion procédé"},
    {"French", "HelpButton", "Aider", "Claquer pour aider de matériau conversion"},
    {"French", "MainForm", "Matériau Converter", ""},
    {"French", "CatListLabel", "Catégorie Fichiers", ""},
    {"French", "DatListLabel", "Matériau Fichiers", ""},
    {"French", "ConverterHelpPrompt",
     "Quillbank 2.x matériau devoir être copied et converted à à nouveau format pour Quillbank "
     "3.x. Ceci utility does que pour te.\r\n\r\nDiscerner votre vieux Quillbank chemise à  amener "
     "à et directory tools, et donc claquer Activer bouton.",
     ""},
    {"French", "ConverterHelpTitle", "Matériau converter aider", ""},
    {"French", "DoneConvertingPrompt",
     "Matériau conversion is complet! Démissioner ceci converter et activer Quillbank 3. À "
     "condition que toute looks BIEN, nous conseiller removing  converter programme.",
     ""},
    {"French", "DoneConvertingTitle", "Prêt", ""},
    {"French", "NoDatFileErrorPrompt",
     "Non Quillbank 2.x matériau fichiers fonder à ceci chemise. Avoir l'air de de nouveau.", ""},
    {"French", "NoDatFileErrorTitle", "Le néant à construire!", ""},
    {"French", "NoCatFileErrorPrompt",
     "Non Quillbank 2.x catégorie fichiers fonder à ceci chemise. Avoir l'air de de nouveau.", ""},
    {"French", "NoCatFileErrorTitle", "Le néant à construire!", ""},
    {"French", "ReadyToGoPrompt",
     "Avertir - à condition que te avoir déjà converted ceci matériau, don't construire elle de "
     "nouveau ou te testament avoir duplicate records! Procéder?",
     ""},
    {"French", "ReadyToGoTitle", "Prêt à convertir matériau", ""},
    {"German", "StartButton", "Anstellen", "Klacken an anstellen  material conversion verfahren"},
    {"German", "HelpButton", "Hilfe", "Klacken für hilfe um material conversion"},
    {"German", "MainForm", "Material Converter", ""},
    {"German", "CatListLabel", "Kategorie Dateien", ""},
    {"German", "DatListLabel", "Material Dateien", ""},
    {"German", "ConverterHelpPrompt",
     "Quillbank 2.x material müssen sein copied und converted in ein neu format für Quillbank 3.x. "
     "Dies utility machst daß für du. \r\n\r\nAuffassen dein alt Quillbank verzeichnis  mit  "
     "anfeuern und katalog werkzeugen, und also klacken  Anstellen knöpfen.",
     ""},
    {"German", "ConverterHelpTitle", "Material converter hilfe", ""},
    {"German", "DoneConvertingPrompt",
     "Material conversion ist vervollständigen! Abdanken dies converter und anstellen Quillbank 3. "
     "Falls alle looks OK, uns avisieren removing  converter programm.",
     ""},
    {"German", "DoneConvertingTitle", "Fertig", ""},
    {"German", "NoDatFileErrorPrompt",
     "Kein Quillbank 2.x material dateien fundieren im dies verzeichnis . Da abermalig.", ""},
    {"German", "NoDatFileErrorTitle", "Nichts an anfertigen!", ""},
    {"German", "NoCatFileErrorPrompt",
     "Kein Quillbank 2.x kategorie dateien fundieren im dies verzeichnis . Da abermalig.", ""},
    {"German", "NoCatFileErrorTitle", "Nichts an anfertigen!", ""},
    {"German", "ReadyToGoPrompt",
     "Warnen - falls du habe bereits converted dies material, nicht anfertigen es abermalig oder "
     "du wollen habe vervielfältigen archiv! Verfahren?",
     ""},
    {"German", "ReadyToGoTitle", "Bereit an bekehren material", ""},
    {"Spanish", "StartButton", "Salida", "Oprima a salida  material conversión process"},
    {"Spanish", "HelpButton", "Ayuda", "Oprima para ayuda en material conversión"},
    {"Spanish", "MainForm", "Material Converter", ""},
    {"Spanish", "CatListLabel", "Category Archivos", ""},
    {"Spanish", "DatListLabel", "Material Archivos", ""},
    {"Spanish", "ConverterHelpPrompt",
     "Quillbank 2.x material tener que estar copied y converted a un nuevo formato para Quillbank "
     "3.x. Esta utility quiere que para tú. \r\n\r\nHallar tu anciano Quillbank carpeta con  "
     "propulsión y catálogo herramientas, y después oprima  Salida botón.",
     ""},
    {"Spanish", "ConverterHelpTitle", "Material converter ayuda", ""},
    {"Spanish", "DoneConvertingPrompt",
     "Material conversión est cabal! Dimitir esta converter y salida Quillbank 3. Si todos looks "
     "BIEN, nosotras aconsejar removing  converter programa.",
     ""},
    {"Spanish", "DoneConvertingTitle", "Acabado", ""},
    {"Spanish", "NoDatFileErrorPrompt",
     "No Quillbank 2.x material archivos edificar a esta carpeta. Contemplar otra vez.", ""},
    {"Spanish", "NoDatFileErrorTitle", "Nada a fabricar!", ""},
    {"Spanish", "NoCatFileErrorPrompt",
     "No Quillbank 2.x category archivos edificar a esta carpeta. Contemplar otra vez.", ""},
    {"Spanish", "NoCatFileErrorTitle", "Nada a fabricar!", ""},
    {"Spanish", "ReadyToGoPrompt",
     "Cuidado - si tú tener ya converted esta material, don't fabricar ello otra vez o tú voluntad "
     "tener duplicate archivo! Proceed?",
     ""},
    {"Spanish", "ReadyToGoTitle", "Listo a convertir material", ""},
};

TEST(LanguageStrings, TableHoldsEveryTextExactly) {
    LanguageStrings strings;
    for (const auto& e : kTexts) {
        strings.CurrentLanguage = e.language;
        EXPECT_EQ(strings.GetString(e.key), e.text) << e.language << " " << e.key;
        EXPECT_EQ(strings.ToolTip(e.key), e.toolTip) << e.language << " " << e.key;
    }
}

TEST(LanguageStrings, UnknownKeysAndLanguagesGiveEmptyTexts) {
    LanguageStrings strings;
    EXPECT_EQ(strings.CurrentLanguage, "English");
    for (const char* key : {"File1", "Drive1", "mainform", "MainForm ", ""}) {
        EXPECT_EQ(strings.GetString(key), "") << key;
    }
    for (const char* language : {"english", "Italian", ""}) {
        strings.CurrentLanguage = language;
        EXPECT_EQ(strings.GetString("MainForm"), "") << language;
        EXPECT_EQ(strings.ToolTip("StartButton"), "") << language;
    }
}

// Markers such as "%1" in a text, in order of appearance.
std::multiset<std::string> markers(const std::string& text) {
    std::multiset<std::string> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            found.insert(text.substr(i, 2));
        }
    }
    return found;
}

TEST(LanguageStrings, ReportTextsExistInEveryLanguageWithTheSameMarkers) {
    for (const char* key :
         {"ConversionReportTitle", "SkippedFilesPrompt", "RemarksPrompt", "ReadFailedReason",
          "TargetReadFailedReason", "WriteFailedReason", "TargetDamagedReason", "BadDateReason",
          "PartialRecordReadRemark", "PartialRecordLeftRemark", "DamagedTargetPrompt",
          "DamagedTargetTitle"}) {
        const std::string english(lookupString("English", key));
        ASSERT_FALSE(english.empty()) << key;
        for (const auto language : kLanguages) {
            const std::string text(lookupString(language, key));
            EXPECT_FALSE(text.empty()) << language << " " << key;
            EXPECT_EQ(markers(text), markers(english)) << language << " " << key;
        }
    }
}

}  // namespace
}  // namespace qbk::converter
