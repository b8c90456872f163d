#include "converter/language_strings.h"

namespace qbk::converter {
namespace {

struct Row {
    std::string_view language;
    std::string_view key;
    std::string_view text;
    std::string_view toolTip;
};

// "%1", "%2" mark the values a text is filled in with.
constexpr Row kTable[] = {
    // English
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
    // English: the report of a run and the refusal of a damaged target file.
    {"English", "ConversionReportTitle", "Conversion report", ""},
    {"English", "SkippedFilesPrompt", "These files were skipped; nothing from them was added:", ""},
    {"English", "RemarksPrompt", "Remarks:", ""},
    {"English", "ReadFailedReason", "the file could not be read (%1)", ""},
    {"English", "TargetReadFailedReason", "%1 could not be read (%2)", ""},
    {"English", "WriteFailedReason", "%1 could not be written (%2)", ""},
    {"English", "TargetDamagedReason",
     "%1 ends with an incomplete record, so nothing was added to it", ""},
    {"English", "BadDateReason", "record %1: the date text \"%2\" is not a date", ""},
    {"English", "PartialRecordReadRemark",
     "the last record is incomplete (%1 of %2 bytes); the missing bytes were read as blanks", ""},
    {"English", "PartialRecordLeftRemark",
     "the last %1 bytes do not make a whole record and were not converted", ""},
    {"English", "ResumedRemark",
     "converted by an earlier run that was interrupted; not converted again", ""},
    {"English", "RunStoppedPrompt",
     "The conversion stopped because a file could not be written. Solve the problem and start it "
     "again: the files converted so far will not be converted twice.",
     ""},
    {"English", "DamagedTargetPrompt",
     "%1 ends with an incomplete record (%2 bytes after the last whole record). Nothing has been "
     "converted, so that no data is lost. Please check the file or restore it from a backup.",
     ""},
    {"English", "DamagedTargetTitle", "Error", ""},
    // French
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
    // French: report and refusal texts.
    {"French", "ConversionReportTitle", "Rapport de conversion", ""},
    {"French", "SkippedFilesPrompt", "Ces fichiers ont été ignorés ; rien n'en a été ajouté :", ""},
    {"French", "RemarksPrompt", "Remarques :", ""},
    {"French", "ReadFailedReason", "le fichier n'a pas pu être lu (%1)", ""},
    {"French", "TargetReadFailedReason", "%1 n'a pas pu être lu (%2)", ""},
    {"French", "WriteFailedReason", "%1 n'a pas pu être écrit (%2)", ""},
    {"French", "TargetDamagedReason",
     "%1 se termine par un enregistrement incomplet ; rien n'y a été ajouté", ""},
    {"French", "BadDateReason", "enregistrement %1 : le texte de date « %2 » n'est pas une date",
     ""},
    {"French", "PartialRecordReadRemark",
     "le dernier enregistrement est incomplet (%1 octets sur %2) ; les octets manquants ont été "
     "lus comme des blancs",
     ""},
    {"French", "PartialRecordLeftRemark",
     "les %1 derniers octets ne forment pas un enregistrement complet et n'ont pas été convertis",
     ""},
    {"French", "ResumedRemark",
     "converti par une exécution précédente interrompue ; pas converti à nouveau", ""},
    {"French", "RunStoppedPrompt",
     "La conversion s'est arrêtée car un fichier n'a pas pu être écrit. Résolvez le problème et "
     "relancez-la : les fichiers déjà convertis ne le seront pas deux fois.",
     ""},
    {"French", "DamagedTargetPrompt",
     "%1 se termine par un enregistrement incomplet (%2 octets après le dernier enregistrement "
     "complet). Rien n'a été converti, afin qu'aucune donnée ne soit perdue. Vérifiez le fichier "
     "ou restaurez-le à partir d'une sauvegarde.",
     ""},
    {"French", "DamagedTargetTitle", "Erreur", ""},
    // German
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
    // German: report and refusal texts.
    {"German", "ConversionReportTitle", "Umwandlungsbericht", ""},
    {"German", "SkippedFilesPrompt",
     "Diese Dateien wurden übersprungen; aus ihnen wurde nichts übernommen:", ""},
    {"German", "RemarksPrompt", "Hinweise:", ""},
    {"German", "ReadFailedReason", "die Datei konnte nicht gelesen werden (%1)", ""},
    {"German", "TargetReadFailedReason", "%1 konnte nicht gelesen werden (%2)", ""},
    {"German", "WriteFailedReason", "%1 konnte nicht geschrieben werden (%2)", ""},
    {"German", "TargetDamagedReason",
     "%1 endet mit einem unvollständigen Datensatz, daher wurde nichts angefügt", ""},
    {"German", "BadDateReason", "Datensatz %1: der Datumstext „%2“ ist kein Datum", ""},
    {"German", "PartialRecordReadRemark",
     "der letzte Datensatz ist unvollständig (%1 von %2 Bytes); die fehlenden Bytes wurden als "
     "Leerzeichen gelesen",
     ""},
    {"German", "PartialRecordLeftRemark",
     "die letzten %1 Bytes ergeben keinen ganzen Datensatz und wurden nicht umgewandelt", ""},
    {"German", "ResumedRemark",
     "von einem früheren, unterbrochenen Lauf umgewandelt; nicht erneut umgewandelt", ""},
    {"German", "RunStoppedPrompt",
     "Die Umwandlung wurde angehalten, weil eine Datei nicht geschrieben werden konnte. Beheben "
     "Sie das Problem und starten Sie sie erneut: bereits umgewandelte Dateien werden nicht "
     "doppelt umgewandelt.",
     ""},
    {"German", "DamagedTargetPrompt",
     "%1 endet mit einem unvollständigen Datensatz (%2 Bytes nach dem letzten vollständigen "
     "Datensatz). Es wurde nichts umgewandelt, damit keine Daten verloren gehen. Bitte prüfen Sie "
     "die Datei oder stellen Sie sie aus einer Sicherung wieder her.",
     ""},
    {"German", "DamagedTargetTitle", "Fehler", ""},
    // Spanish
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
    // Spanish: report and refusal texts.
    {"Spanish", "ConversionReportTitle", "Informe de conversión", ""},
    {"Spanish", "SkippedFilesPrompt",
     "Estos archivos se omitieron; no se añadió nada de ellos:", ""},
    {"Spanish", "RemarksPrompt", "Observaciones:", ""},
    {"Spanish", "ReadFailedReason", "no se pudo leer el archivo (%1)", ""},
    {"Spanish", "TargetReadFailedReason", "no se pudo leer %1 (%2)", ""},
    {"Spanish", "WriteFailedReason", "no se pudo escribir %1 (%2)", ""},
    {"Spanish", "TargetDamagedReason",
     "%1 termina con un registro incompleto, así que no se le añadió nada", ""},
    {"Spanish", "BadDateReason", "registro %1: el texto de fecha «%2» no es una fecha", ""},
    {"Spanish", "PartialRecordReadRemark",
     "el último registro está incompleto (%1 de %2 bytes); los bytes que faltan se leyeron como "
     "espacios",
     ""},
    {"Spanish", "PartialRecordLeftRemark",
     "los últimos %1 bytes no forman un registro completo y no se convirtieron", ""},
    {"Spanish", "ResumedRemark",
     "convertido por una ejecución anterior interrumpida; no se convierte de nuevo", ""},
    {"Spanish", "RunStoppedPrompt",
     "La conversión se detuvo porque no se pudo escribir un archivo. Resuelva el problema y vuelva "
     "a iniciarla: los archivos ya convertidos no se convertirán dos veces.",
     ""},
    {"Spanish", "DamagedTargetPrompt",
     "%1 termina con un registro incompleto (%2 bytes después del último registro completo). No se "
     "ha convertido nada, para que no se pierdan datos. Revise el archivo o restáurelo desde una "
     "copia de seguridad.",
     ""},
    {"Spanish", "DamagedTargetTitle", "Error", ""},
};

const Row* find(std::string_view language, std::string_view key) {
    for (const Row& row : kTable) {
        if (row.language == language && row.key == key) return &row;
    }
    return nullptr;
}

}  // namespace

std::string_view lookupString(std::string_view language, std::string_view key) {
    const Row* row = find(language, key);
    return row != nullptr ? row->text : std::string_view{};
}

std::string_view lookupToolTip(std::string_view language, std::string_view key) {
    const Row* row = find(language, key);
    return row != nullptr ? row->toolTip : std::string_view{};
}

}  // namespace qbk::converter
