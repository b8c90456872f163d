#include <gtest/gtest.h>

#include <map>

#include "store/maintenance.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;
using testing::TempFolder;

TEST(ClearedMark, IsTheFirstReservedByteAndKeepsTheOtherNine) {
    EntryRecord r = entry(2001, 4, 2, "FOOD", -1250, "fish", 5);
    EXPECT_EQ(r.cleared(), ClearedState::None);
    r.reserved = " spare9ok ";
    r.setCleared(ClearedState::Reconciled);
    std::string bytes = encodeEntry(r);
    EXPECT_EQ(bytes.substr(115), "Rspare9ok ");
    EXPECT_EQ(entry_bytes::cleared(bytes.data()), ClearedState::Reconciled);
    entry_bytes::setCleared(bytes.data(), ClearedState::Cleared);
    EXPECT_EQ(bytes.substr(115), "Cspare9ok ");
    EXPECT_EQ(decodeEntry(bytes.data()).cleared(), ClearedState::Cleared);
    r.setCleared(ClearedState::None);
    EXPECT_EQ(encodeEntry(r).substr(115), " spare9ok ");
    // What a writer that knows no mark leaves, or a stray byte, is no mark.
    for (const char stray : {'c', 'r', 'Y', '\0', '\xe9'}) {
        bytes[115] = stray;
        EXPECT_EQ(entry_bytes::cleared(bytes.data()), ClearedState::None) << int(stray);
    }
    EXPECT_EQ(clearedStateName(ClearedState::None), "none");
    EXPECT_EQ(clearedStateName(ClearedState::Cleared), "cleared");
    EXPECT_EQ(clearedStateName(ClearedState::Reconciled), "reconciled");
}

// Every record of `after`, by stamp, has exactly its bytes in `before` (the deleted
// mark aside when `liveAgain`).
void expectSameRecords(const std::string& before, const std::string& after,
                       bool liveAgain = false) {
    std::map<double, std::string> was;
    for (std::size_t at = 0; at < before.size(); at += 125)
        was[entry_bytes::recordStamp(before.data() + at)] = before.substr(at, 125);
    for (std::size_t at = 0; at < after.size(); at += 125) {
        std::string now = after.substr(at, 125);
        std::string then = was.at(entry_bytes::recordStamp(now.data()));
        if (liveAgain) then[114] = now[114];
        EXPECT_EQ(now, then);
    }
}

TEST(ClearedMark, SurvivesSortInsertPurgeRestoreAndTheInternalBackup) {
    TempFolder data;
    std::vector<EntryRecord> records = {
        entry(2001, 1, 5, "B", -100, "old", 1), entry(2001, 3, 5, "A", 200, "new", 2),
        entry(2001, 2, 5, "C", -300, "gone", 3), entry(2001, 2, 5, "A", -400, "mid", 4)};
    records[0].setCleared(ClearedState::Cleared);
    records[1].setCleared(ClearedState::Reconciled);
    records[2].setCleared(ClearedState::Cleared);
    records[2].deletedMark = "Y";
    const std::string original = fileOf(records);
    const std::string path = data.file("quillbank.dat");
    data.write("quillbank.dat", original);

    EXPECT_EQ(sortRecordFile(path), 4u);
    EXPECT_NE(data.read("quillbank.dat"), original);
    expectSameRecords(original, data.read("quillbank.dat"));

    SortKeyMemory keys;
    FileNewEntry(path, entry(2001, 2, 6, "A", -1, "moves the rest", 9), keys);
    const std::string inserted = data.read("quillbank.dat");
    expectSameRecords(original + fileOf({entry(2001, 2, 6, "A", -1, "moves the rest", 9)}),
                      inserted);

    createInternalBackup(data.path());
    EXPECT_EQ(data.read("quillbank.bak"), inserted);

    EXPECT_EQ(restoreDeletedRecords(path), 1u);
    expectSameRecords(inserted, data.read("quillbank.dat"), true);

    ASSERT_TRUE(restoreInternalBackup(data.path()));
    EXPECT_EQ(purgeDeletedRecords(path, data.path()), 1u);
    EXPECT_EQ(data.read("quillbank.dat").size(), 4u * 125);
    expectSameRecords(inserted, data.read("quillbank.dat"));
}

}  // namespace
}  // namespace qbk
