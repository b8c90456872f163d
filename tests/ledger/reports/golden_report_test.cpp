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

// Cleared and reconciled marks change no character of a report.
TEST(GoldenReports, TheSameWithEveryKindOfClearedMark) {
    TestBook book = testing::unitedStatesBook();
    for (std::size_t i = 0; i < book.reportList.size(); ++i)
        book.reportList[i].setCleared(static_cast<ClearedState>(i % 3));
    expectAllFourReports(book);
}

}  // namespace
}  // namespace qbk
