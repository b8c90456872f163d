// The split of the report list and the report command's files: what is written, what
// is refused, and that a failure leaves the previous report as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/files.h"
#include "reports/report_command.h"
#include "reports/report_files.h"
#include "support/file_size_limit.h"
#include "support/records.h"
#include "support/temp_folder.h"
#include "test_books.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

const std::vector<std::string> kReportFolder = {"expense.tmp", "income.tmp", "qbk_rep.tmp",
                                                "report.tmp", "todo.tmp"};

RecordFileContent contentOf(const std::vector<EntryRecord>& records) {
    RecordFileContent c;
    c.records = fileOf(records);
    return c;
}

TEST(Split, RowsPickTheirRecordsByStampInRowOrder) {
    const EntryRecord in = entry(2001, 1, 1, "A", 100, "in", 1);
    const EntryRecord out = entry(2001, 1, 2, "A", -100, "out", 2);
    const EntryRecord zero = entry(2001, 1, 3, "A", 0, "to do", 3);
    const EntryRecord removed = entry(2001, 1, 4, "A", 500, "row removed", 4);
    const EntryRecord in2 = entry(2001, 1, 5, "B", 700, "in two", 5);
    const RecordFileContent list = contentOf({in, out, zero, removed, in2});

    // Rows in another order than the file, one listed twice, one stamp matching nothing.
    const ReportSplit split = splitReportList(list, {5, 2, 1, 3, 42, 5});
    EXPECT_EQ(split.income.records, fileOf({in2, in, in2}));
    EXPECT_EQ(split.expense.records, fileOf({out}));
    EXPECT_EQ(split.todo.records, fileOf({zero}));
}

TEST(Split, TwoRecordsOfOneStampBothMatchTheFirst) {
    const EntryRecord first = entry(2001, 1, 1, "A", 100, "first", 9);
    const EntryRecord second = entry(2001, 1, 2, "A", -300, "second", 9);
    const ReportSplit split = splitReportList(contentOf({first, second}), {9, 9});
    EXPECT_EQ(split.income.records, fileOf({first, first}));
    EXPECT_TRUE(split.expense.records.empty());
}

TEST(Split, RecordsAreByteCopiesWithEveryField) {
    EntryRecord r = entry(2001, 1, 1, "A", -100, "note", 1.5, "u1", "u2");
    r.reserved = "xyzxyzxyzx";
    r.deletedMark = "Y";
    testing::TempFolder program;
    program.write("report.tmp", fileOf({r}) + "partial");
    const ReportPaths paths(program.path());
    MakeReportFiles(paths, {1.5});
    EXPECT_EQ(program.read("expense.tmp"), encodeEntry(r));
    EXPECT_EQ(program.read("income.tmp"), "");
    EXPECT_EQ(program.read("todo.tmp"), "");
    EXPECT_EQ(readReportFiles(paths).expense.records, encodeEntry(r));
}

TEST(Split, MissingSplitFilesReadAsEmptyWithoutBeingCreated) {
    testing::TempFolder program;
    const ReportSplit split = readReportFiles(ReportPaths(program.path()));
    EXPECT_EQ(split.income.count() + split.expense.count() + split.todo.count(), 0u);
    EXPECT_FALSE(program.exists("income.tmp"));
}

class ReportCommand : public ::testing::Test {
  protected:
    void SetUp() override { book.write(program.path(), data.path()); }
    std::optional<std::string> build(ReportKind kind = ReportKind::Full) {
        return buildReport(paths, book.request(kind, data.path()));
    }
    // The report files as they are on disk.
    std::vector<std::string> files() const {
        return {program.read("income.tmp"), program.read("expense.tmp"), program.read("todo.tmp"),
                program.read("qbk_rep.tmp")};
    }
    testing::TempFolder program, data;
    testing::TestBook book = testing::unitedStatesBook();
    ReportPaths paths{program.path()};
};

TEST_F(ReportCommand, WritesTheSplitFilesAndTheReportText) {
    const auto text = build();
    ASSERT_TRUE(text);
    const RecordFileContent list = readRecordFile(paths.reportList);
    const ReportSplit split = splitReportList(list, book.rowStamps);
    EXPECT_EQ(files(), (std::vector<std::string>{split.income.records, split.expense.records,
                                                 split.todo.records, *text}));
    EXPECT_EQ(split.income.count(), 3u);
    EXPECT_EQ(split.expense.count(), 6u);
    EXPECT_EQ(split.todo.count(), 4u);
    // No staging file is left behind.
    EXPECT_EQ(program.names(), kReportFolder);
}

TEST_F(ReportCommand, AnEmptyListIsRefusedAndChangesNothing) {
    ASSERT_TRUE(build());
    const auto before = files();
    for (const std::string& list : {std::string(), std::string(100, 'x')}) {
        program.write("report.tmp", list);  // empty, or not one whole record
        EXPECT_FALSE(build());
        EXPECT_EQ(files(), before);
    }
    std::filesystem::remove(program.file("report.tmp"));
    EXPECT_FALSE(build());
    const Message m = emptyListMessage();
    EXPECT_EQ(m, (Message{"You must first build a list of items in order to generate a report. "
                          "Please select categories and/or perform word searches to build your "
                          "list.",
                          "Nothing to do!", Icon::Information, Buttons::Ok, 1}));
}

TEST_F(ReportCommand, AFailedWriteLeavesThePreviousReport) {
    ASSERT_TRUE(build(ReportKind::Summary));
    const auto before = files();
    book.rowStamps = {2};
    {
        // The split files fit under the limit, the new report text does not.
        testing::FileSizeLimit limit(2000);
        EXPECT_THROW(build(ReportKind::WideFull), OperationError);
    }
    EXPECT_EQ(files(), before);
    EXPECT_EQ(program.names(), kReportFolder);
}

TEST_F(ReportCommand, AnOverflowingTotalLeavesThePreviousReport) {
    ASSERT_TRUE(build());
    const auto before = files();
    const long long big = 9000000000000000000 / 100;
    program.write("report.tmp", fileOf({entry(2001, 1, 1, "GIFT", big, "", 1),
                                        entry(2001, 1, 2, "GIFT", big, "", 2)}));
    book.rowStamps = {1, 2};
    try {
        build();
        FAIL() << "no error";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kOverflow);
    }
    EXPECT_EQ(files(), before);
}

TEST_F(ReportCommand, AMissingDataFolderIsAnError) {
    std::filesystem::remove_all(data.path());
    try {
        build();
        FAIL() << "no error";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kPathNotFound);
    }
    EXPECT_FALSE(program.exists("qbk_rep.tmp"));
}

TEST_F(ReportCommand, RemovedRowsStillCountForTheSpan) {
    // Only the removed row's neighbour stays: the span still starts at the removed entry.
    book.rowStamps = {3};
    const auto text = build(ReportKind::Summary);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("Records found span  02/27/2001 through 04/05/2001, inclusive.\r\n"),
              std::string::npos);
    EXPECT_EQ(text->find("removed from the list"), std::string::npos);
}

TEST_F(ReportCommand, NewReportListDiscardsTheOldOne) {
    discardReportList(paths);
    EXPECT_FALSE(program.exists("report.tmp"));
    discardReportList(paths);  // a missing file is no error
    EXPECT_FALSE(build());
}

}  // namespace
}  // namespace qbk
