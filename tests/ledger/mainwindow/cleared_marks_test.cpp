#include "mainwindow/cleared_marks.h"

#include <gtest/gtest.h>

#include <random>

#include "support/records.h"

namespace qbk {
namespace {

using testing::contentOf;
using testing::entry;

// Random books of every mark, deleted entries among them: the cleared balance is the
// opening plus the sum a plain walk over the decoded entries gives, and after a
// reconcile at that balance every counted entry is reconciled and the balance stands.
TEST(ReconcileSums, AgreeWithAnIndependentSumOnRandomBooks) {
    std::mt19937 random(24);
    for (int book = 0; book < 200; ++book) {
        std::vector<EntryRecord> records;
        const int n = static_cast<int>(random() % 40);
        for (int i = 0; i < n; ++i) {
            EntryRecord r = entry(2001, 1 + static_cast<int>(random() % 12),
                                  1 + static_cast<int>(random() % 28), "X",
                                  static_cast<long long>(random() % 200001) - 100000, "", i + 1);
            r.setCleared(static_cast<ClearedState>(random() % 3));
            if (random() % 7 == 0) r.deletedMark = "Y";
            records.push_back(r);
        }
        const DaySerial lastDay = serialFromDate(2001, 1 + static_cast<int>(random() % 12), 15);
        const Money opening =
            Money::fromRaw(static_cast<std::int64_t>(random() % 1000000) - 500000);
        Money expected = opening;
        std::size_t counted = 0;
        for (const EntryRecord& r : records) {
            if (r.isDeleted()) continue;
            if (r.cleared() == ClearedState::Reconciled ||
                (r.cleared() == ClearedState::Cleared && r.entryDate <= lastDay)) {
                expected += r.amount;
                counted += r.cleared() == ClearedState::Cleared;
            }
        }
        RecordFileContent content = contentOf(records);
        const ReconcileSums sums = reconcileSums(content, lastDay, opening);
        ASSERT_EQ(sums.clearedBalance(), expected) << "book " << book;
        ASSERT_EQ(sums.clearedCount, counted);
        ASSERT_EQ(markReconciled(content, lastDay), counted);
        const ReconcileSums after = reconcileSums(content, lastDay, opening);
        ASSERT_EQ(after.clearedBalance(), expected);
        ASSERT_EQ(after.clearedCount, 0u);
    }
}

TEST(ClearedMarks, TheToggleClearsWhenAnyIsUnmarkedAndTheDialogFinishesWhatItListed) {
    std::vector<EntryRecord> records = {entry(2001, 5, 1, "A", -100), entry(2001, 5, 2, "A", -200),
                                        entry(2001, 5, 3, "A", -300), entry(2001, 7, 1, "A", -400)};
    records[1].setCleared(ClearedState::Cleared);
    records[2].setCleared(ClearedState::Reconciled);
    RecordFileContent content = contentOf(records);
    const auto marks = [&] {
        std::string m;
        for (std::size_t i = 1; i <= content.count(); ++i)
            m += "-CR"[static_cast<int>(entry_bytes::cleared(content.at(i)))];
        return m;
    };
    EXPECT_EQ(toggleClearedMarks(content, {1, 2, 3}), 1u);
    EXPECT_EQ(marks(), "CCR-");
    EXPECT_EQ(toggleClearedMarks(content, {1, 2, 3}), 2u);
    EXPECT_EQ(marks(), "--R-");
    content.records[125 + 114] = 'Y';
    EXPECT_EQ(toggleClearedMarks(content, {2}), 0u);
    content.records[125 + 114] = 'N';

    EXPECT_EQ(toggleClearedMarks(content, {2}), 1u);
    EXPECT_EQ(reconcileCandidates(content, serialFromDate(2001, 6, 30)),
              (std::vector<std::size_t>{1, 2}));
    finishReconcile(content, {1, 2}, {true, false});
    EXPECT_EQ(marks(), "R-R-");
}

}  // namespace
}  // namespace qbk
