// Statement lines that meet the entries the user typed.
#include "import/entry_matches.h"

#include <gtest/gtest.h>

#include "cli/import_run.h"
#include "platform/clock.h"
#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

ImportRow line(int day, long long cents, const std::string& payee) {
    ImportRow row;
    row.entry = entry(2026, 1, day, "", cents, payee);
    row.payee = row.matchText = payee;
    return row;
}

TEST(MatchTypedEntries, OneToOneByAmountAndNearDatePreferringAgreeingNotes) {
    EntryRecord gone = entry(2026, 1, 10, "CAR", -1000, "gas", 4);
    gone.deletedMark = "Y";
    EntryRecord cleared = entry(2026, 1, 10, "CAR", -1000, "gas", 5);
    cleared.setCleared(ClearedState::Cleared);
    const std::string book = fileOf({entry(2026, 1, 10, "CAR", -1000, "gas station", 1),
                                     entry(2026, 1, 11, "FOOD", -1000, "lunch", 2),
                                     entry(2026, 1, 30, "FOOD", -1000, "later", 3), gone, cleared,
                                     entry(2026, 1, 10, "CAR", -1001, "gas", 6)});
    ImportBatch batch;
    batch.format = ImportFormat::Ofx;
    batch.rows = {line(12, -1000, "LUNCH BAR"), line(10, -1000, "SHELL"), line(10, -1000, "SHELL"),
                  line(26, -1000, "LATE"), line(14, -1001, "GAS")};
    batch.rows[4].duplicate = Duplicate::InBook;
    matchTypedEntries(batch, book);
    ASSERT_TRUE(batch.rows[0].match);
    EXPECT_EQ(batch.rows[0].match->record, 2u);  // the note agrees, though a day further
    ASSERT_TRUE(batch.rows[1].match);
    EXPECT_EQ(batch.rows[1].match->record, 1u);
    EXPECT_EQ(batch.rows[1].match->stamp, 1);
    EXPECT_FALSE(batch.rows[2].match);  // each typed entry is one line's
    ASSERT_TRUE(batch.rows[3].match);   // four days apart
    EXPECT_EQ(batch.rows[3].match->record, 3u);
    EXPECT_FALSE(batch.rows[4].match);  // a duplicate meets nothing
    EXPECT_EQ(matchText(*batch.rows[0].match, RegionalSettings::unitedStates()),
              "matches your entry of 01/11/2026: lunch");

    // Two typed entries of one amount take two lines, never one line twice.
    batch.rows = {line(11, -1000, "A"), line(11, -1000, "B")};
    matchTypedEntries(batch, fileOf({entry(2026, 1, 10, "X", -1000, "one", 1),
                                     entry(2026, 1, 12, "X", -1000, "two", 2)}));
    ASSERT_TRUE(batch.rows[0].match && batch.rows[1].match);
    EXPECT_NE(batch.rows[0].match->record, batch.rows[1].match->record);
}

TEST(MatchTypedEntries, ABankLineClearsTheTypedEntryOnceAndOffersItsBalance) {
    testing::TempFolder book;
    ManualClock clock{serialFromDate(2026, 2, 1), 43200};
    StampSource stamps{clock};
    const EntryRecord phone = entry(2026, 1, 22, "PHONE", -6130, "AT&T phone bill", 7);
    book.write("quillbank.dat", fileOf({phone}));
    ImportRequest request;
    request.dataFolder = book.path();
    request.importPath = std::string(QBK_STATEMENT_SAMPLES) + "checking.ofx";
    const ImportSummary first = runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(first.text,
              "3 records have been imported.\n"
              "1 entry you typed matches a line and was marked cleared instead.\n"
              "The statement's ending balance is $1,183.95 on 01/31/2026 (qbk3-cli reconcile "
              "--to 01/31/2026 --balance 1183.95).\n"
              "Category IMPORT was created.\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    const std::vector<EntryRecord> records = readRecords(book.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 4u);
    EntryRecord clearedPhone = phone;
    clearedPhone.setCleared(ClearedState::Cleared);
    EXPECT_EQ(records[0], clearedPhone);
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(records[i].cleared(), ClearedState::None);
    EXPECT_NE(book.read("quillbank.ids").find("7\t4455667788:20260120-004\r\n"), std::string::npos);

    // The line cleared its entry before: imported again, it is a duplicate.
    const std::string bytes = book.read("quillbank.dat");
    const ImportSummary second = runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(second.added, 0u);
    EXPECT_EQ(second.cleared, 0u);
    EXPECT_EQ(second.duplicatesSkipped, 4u);
    EXPECT_EQ(book.read("quillbank.dat"), bytes);
}

}  // namespace
}  // namespace qbk
