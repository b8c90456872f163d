#include "reports/report_captions.h"

#include "platform/errors.h"
#include "store/program_options.h"

namespace qbk {
namespace {

constexpr ReportCaptions kEnglish{"Cashflow Record for ",
                                  "Printed: ",
                                  "Searched the period ",
                                  "Records found span  ",
                                  " through ",
                                  ", inclusive.",
                                  "Category",
                                  "Date",
                                  "Amount",
                                  "Note",
                                  "Sub Total",
                                  "Graph",
                                  " --- Summary of money that went OUT ---",
                                  " --- Summary of money that came IN ---",
                                  "Total Expense:",
                                  "Total Income :",
                                  "A SURPLUS of",
                                  "A DEFICIT of",
                                  "Open Items",
                                  "Expense Line Items...",
                                  "Income Line Items...",
                                  "End of report",
                                  "Budget against actual for the period ",
                                  " --- Budget of money that went OUT ---",
                                  " --- Budget of money that came IN ---",
                                  "Budget",
                                  "Actual",
                                  "Difference",
                                  "Used",
                                  "Total Expense",
                                  "Total Income",
                                  "Balance"};

constexpr ReportCaptions kGerman{"Kassenbuch von ",
                                 "Gedruckt:",
                                 "Durchsuchter Zeitraum ",
                                 "Gefundene Einträge  ",
                                 " bis ",
                                 ", einschließlich.",
                                 "Kategorie",
                                 "Datum",
                                 "Betrag",
                                 "Notiz",
                                 "Zwischensumme",
                                 "Grafik",
                                 " --- Übersicht: Geld, das HINAUSGING ---",
                                 " --- Übersicht: Geld, das HEREINKAM ---",
                                 "Ausgaben gesamt:",
                                 "Einnahmen gesamt:",
                                 "ÜBERSCHUSS von",
                                 "FEHLBETRAG von",
                                 "Offene Posten",
                                 "Ausgaben im Einzelnen...",
                                 "Einnahmen im Einzelnen...",
                                 "Ende des Berichts",
                                 "Budget und Ist im Zeitraum ",
                                 " --- Budget: Geld, das HINAUSGING ---",
                                 " --- Budget: Geld, das HEREINKAM ---",
                                 "Budget",
                                 "Ist",
                                 "Differenz",
                                 "Verbr.",
                                 "Ausgaben gesamt",
                                 "Einnahmen gesamt",
                                 "Saldo"};

constexpr ReportCaptions kFrench{"Livre de caisse de ",
                                 "Imprimé :",
                                 "Période recherchée du ",
                                 "Écritures trouvées du ",
                                 " au ",
                                 ", inclus.",
                                 "Catégorie",
                                 "Date",
                                 "Montant",
                                 "Note",
                                 "Sous-total",
                                 "Graphique",
                                 " --- Résumé de l'argent SORTI ---",
                                 " --- Résumé de l'argent ENTRÉ ---",
                                 "Total des dépenses :",
                                 "Total des recettes :",
                                 "EXCÉDENT de",
                                 "DÉFICIT de",
                                 "Postes ouverts",
                                 "Détail des dépenses...",
                                 "Détail des recettes...",
                                 "Fin du rapport",
                                 "Budget et réel pour la période du ",
                                 " --- Budget de l'argent SORTI ---",
                                 " --- Budget de l'argent ENTRÉ ---",
                                 "Budget",
                                 "Réel",
                                 "Écart",
                                 "Utilisé",
                                 "Total des dépenses",
                                 "Total des recettes",
                                 "Solde"};

constexpr ReportCaptions kSpanish{"Libro de caja de ",
                                  "Impreso: ",
                                  "Periodo buscado del ",
                                  "Registros hallados del ",
                                  " al ",
                                  ", ambos inclusive.",
                                  "Categoría",
                                  "Fecha",
                                  "Importe",
                                  "Nota",
                                  "Subtotal",
                                  "Gráfico",
                                  " --- Resumen del dinero que SALIÓ ---",
                                  " --- Resumen del dinero que ENTRÓ ---",
                                  "Total de gastos:",
                                  "Total de ingresos:",
                                  "SUPERÁVIT de",
                                  "DÉFICIT de",
                                  "Partidas abiertas",
                                  "Detalle de gastos...",
                                  "Detalle de ingresos...",
                                  "Fin del informe",
                                  "Presupuesto y real del periodo del ",
                                  " --- Presupuesto del dinero que SALIÓ ---",
                                  " --- Presupuesto del dinero que ENTRÓ ---",
                                  "Presupuesto",
                                  "Real",
                                  "Diferencia",
                                  "Usado",
                                  "Total de gastos",
                                  "Total de ingresos",
                                  "Saldo"};

}  // namespace

std::size_t captionWidth(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

const ReportCaptions& reportCaptions(std::string_view language) {
    if (language == "de") return kGerman;
    if (language == "fr") return kFrench;
    if (language == "es") return kSpanish;
    return kEnglish;
}

std::string padCaption(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t n = captionWidth(text);
    if (n < width) out.append(width - n, ' ');
    return out;
}

std::string reportCaptionLanguage(const std::string& programFolder,
                                  const std::string& windowLanguage) {
    try {
        if (programOption(programFolder, kTranslatedReportCaptionsKey) == "Y")
            return windowLanguage;
    } catch (const OperationError&) {
    }
    return {};
}

}  // namespace qbk
