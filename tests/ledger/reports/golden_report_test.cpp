// The four reports of the two test books, character for character.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "reports/report_command.h"
#include "support/temp_folder.h"
#include "test_books.h"

namespace qbk {
namespace {

using testing::TestBook;

struct Golden {
    ReportKind kind;
    const char* file;
};
constexpr Golden kGolden[] = {{ReportKind::Summary, "summary"},
                              {ReportKind::Full, "full"},
                              {ReportKind::WideSummary, "wide_summary"},
                              {ReportKind::WideFull, "wide_full"}};

std::string golden(const TestBook& book, const Golden& g) {
    return readFile(std::string(QBK_GOLDEN_DIR) + book.name + "_" + g.file + ".txt");
}

// The first line where two texts differ, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    const auto e = splitLines(expected), a = splitLines(actual);
    for (std::size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
        const std::string x = i < e.size() ? e[i] : "<none>", y = i < a.size() ? a[i] : "<none>";
        if (x != y)
            return "line " + std::to_string(i + 1) + "\n  want [" + x + "]\n  got  [" + y + "]";
    }
    return "same lines, different line ends";
}

void expectAllFourReports(const TestBook& book) {
    testing::TempFolder program, data;
    book.write(program.path(), data.path());
    const ReportPaths paths(program.path());
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(book.name + " " + g.file);
        const std::string want = golden(book, g);
        ASSERT_FALSE(want.empty());
        const std::optional<std::string> text =
            buildReport(paths, book.request(g.kind, data.path()));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, want) << firstDifference(want, *text);
        EXPECT_EQ(program.read("qbk_rep.tmp"), want);
    }
}

TEST(GoldenReports, UnitedStatesBook) {
    expectAllFourReports(testing::unitedStatesBook());
}

TEST(GoldenReports, CommaDecimalBook) {
    expectAllFourReports(testing::germanBook());
}

// Translated captions keep every column of the English report: the German full report
// is the English one with its words replaced, the amounts where they were.
TEST(GoldenReports, GermanCaptionsKeepTheLayout) {
    const TestBook& book = testing::germanBook();
    testing::TempFolder program, data;
    book.write(program.path(), data.path());
    ReportRequest request = book.request(ReportKind::Full, data.path());
    request.captionLanguage = "de";
    const std::optional<std::string> text = buildReport(ReportPaths(program.path()), request);
    ASSERT_TRUE(text.has_value());
    const std::vector<std::string> english = splitLines(golden(book, kGolden[1]));
    const std::vector<std::string> german = splitLines(*text);
    ASSERT_EQ(german.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        std::string want = english[i];
        for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
                 {"Cashflow Record for ", "Kassenbuch von "},
                 {" --- Summary of money that went OUT ---",
                  " --- Übersicht: Geld, das HINAUSGING ---"},
                 {" --- Summary of money that came IN ---",
                  " --- Übersicht: Geld, das HEREINKAM ---"},
                 {"Category                  Sub Total             Graph",
                  "Kategorie                 Zwischensumme         Grafik"},
                 {"Total Expense:  ", "Ausgaben gesamt:"},
                 {"Total Income :   ", "Einnahmen gesamt:"},
                 {"A SURPLUS of  ", "ÜBERSCHUSS von"},
                 {"A DEFICIT of  ", "FEHLBETRAG von"},
                 {"Open Items", "Offene Posten"},
                 {"   Date        Note", "   Datum       Notiz"},
                 {"Printed: ", "Gedruckt:"},
                 {"Searched the period ", "Durchsuchter Zeitraum "},
                 {"Records found span  ", "Gefundene Einträge    "},
                 {" through ", " bis "},
                 {", inclusive.", ", einschließlich."},
                 {"Expense Line Items...", "Ausgaben im Einzelnen..."},
                 {"Income Line Items...", "Einnahmen im Einzelnen..."},
                 {"End of report", "Ende des Berichts"},
                 {"Category: ", "Kategorie: "},
                 {"Date             Amount  Note", "Datum            Betrag  Notiz"}})
            if (const std::size_t at = want.find(from); at != std::string::npos)
                want.replace(at, from.size(), to);
        EXPECT_EQ(german[i], want) << "line " << i + 1;
    }
}

// Cleared and reconciled marks change no character of a report.
TEST(GoldenReports, TheSameWithEveryKindOfClearedMark) {
    TestBook book = testing::unitedStatesBook();
    for (std::size_t i = 0; i < book.reportList.size(); ++i)
        book.reportList[i].setCleared(static_cast<ClearedState>(i % 3));
    expectAllFourReports(book);
}

}  // namespace
}  // namespace qbk
