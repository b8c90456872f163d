#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "store/record_file.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class ClearedCommandsTest : public testing::CliFixture {
  protected:
    void SetUp() override {
        EntryRecord gone = entry(2001, 5, 20, "FOOD", -700, "phone", 6);
        gone.deletedMark = "Y";
        EntryRecord old = entry(2001, 3, 1, "PAY", 100000, "salary", 1);
        old.setCleared(ClearedState::Reconciled);
        data.write("quillbank.dat", fileOf({entry(2001, 6, 2, "FOOD", -2000, "phone bill", 5),
                                            entry(2001, 5, 20, "FOOD", -1250, "phone bill", 4),
                                            gone, entry(2001, 5, 10, "CAR", -4000, "fuel", 3),
                                            entry(2001, 5, 1, "FOOD", -800, "milk", 2), old}));
    }
    // The marks of the records in file order: "-" none, "C", "R".
    std::string marks() const {
        std::string m;
        for (const EntryRecord& r : readRecords(data.file("quillbank.dat")))
            m += "-CR"[static_cast<int>(r.cleared())];
        return m;
    }
};

TEST_F(ClearedCommandsTest, ClearMarksTheChosenLiveEntriesAndUndoTakesTheMarkOff) {
    ASSERT_EQ(
        run({"clear", data.path(), "--from", "5/1/2001", "--to", "5/31/2001", "--search", "phone"}),
        0)
        << err.str();
    EXPECT_EQ(out.str(), "1 entry marked cleared.\n");
    EXPECT_EQ(marks(), "-C---R");
    ASSERT_EQ(run({"clear", data.path(), "--from", "5/1/2001", "--to", "6/30/2001", "--category",
                   "FOOD"}),
              0);
    EXPECT_EQ(out.str(), "2 entries marked cleared.\n");
    EXPECT_EQ(marks(), "CC--CR");
    ASSERT_EQ(run({"clear", data.path(), "--undo", "--stamp", "2"}), 0);
    EXPECT_EQ(out.str(), "1 entry no longer marked cleared.\n");
    // A reconciled entry keeps its mark.
    ASSERT_EQ(run({"clear", data.path(), "--undo", "--from", "1/1/2001", "--to", "6/30/2001"}), 0);
    EXPECT_EQ(out.str(), "2 entries no longer marked cleared.\n");
    EXPECT_EQ(marks(), "-----R");

    EXPECT_EQ(run({"clear", data.path()}), 2);
    EXPECT_EQ(run({"clear", data.path(), "--from", "5/1/2001"}), 2);
    EXPECT_EQ(run({"clear", data.path(), "--stamp", "2", "--from", "5/1/2001", "--to", "5/2/2001"}),
              2);
    EXPECT_EQ(run({"clear", data.path(), "--stamp", "two"}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: not a stamp: two\n");
    EXPECT_EQ(marks(), "-----R");
}

TEST_F(ClearedCommandsTest, ReconcileMarksOnlyAtNoDifferenceAndRemembersTheOpening) {
    ASSERT_EQ(run({"clear", data.path(), "--from", "5/1/2001", "--to", "6/30/2001"}), 0);
    const std::string cleared = data.read("quillbank.dat");
    // Opening 50 + reconciled 1000 - 8 - 40 - 12.50 up to May 31 = 989.50.
    EXPECT_EQ(
        run({"reconcile", data.path(), "--to", "5/31/2001", "--balance", "990", "--opening", "50"}),
        1);
    EXPECT_EQ(out.str(),
              "Opening balance: $50.00\nCleared balance: $989.50\nStatement balance: $990.00\n"
              "Difference: $0.50\n");
    EXPECT_EQ(err.str(),
              "qbk3-cli: The difference is not 0: nothing was reconciled. Mark what the "
              "statement shows cleared (qbk3-cli clear), or check the balances.\n");
    EXPECT_EQ(data.read("quillbank.dat"), cleared);
    EXPECT_FALSE(data.exists("opening.balance"));

    ASSERT_EQ(run({"reconcile", data.path(), "--to", "5/31/2001", "--balance", "989.50",
                   "--opening", "50"}),
              0)
        << err.str();
    EXPECT_EQ(out.str(),
              "Opening balance: $50.00\nCleared balance: $989.50\nStatement balance: $989.50\n"
              "Difference: $0.00\n3 entries reconciled up to 05/31/2001.\n");
    EXPECT_EQ(marks(), "CR-RRR");
    EXPECT_EQ(data.read("opening.balance"), "50.00\n");
    // The next statement starts from what was agreed, the opening remembered.
    ASSERT_EQ(run({"reconcile", data.path(), "--to", "6/30/2001", "--balance", "($30.50)"}), 1);
    EXPECT_EQ(out.str().substr(0, 49), "Opening balance: $50.00\nCleared balance: $969.50\n");
    ASSERT_EQ(run({"reconcile", data.path(), "--to", "6/30/2001", "--balance", "969.50"}), 0);
    EXPECT_EQ(marks(), "RR-RRR");
    // The whole reconcile is one undo step.
    ASSERT_EQ(run({"undo", data.path()}), 0);
    EXPECT_EQ(marks(), "CR-RRR");

    data.write("opening.balance", "fifty\n");
    EXPECT_EQ(run({"reconcile", data.path(), "--to", "6/30/2001", "--balance", "0"}), 1);
    EXPECT_NE(err.str().find("opening.balance holds no amount"), std::string::npos) << err.str();
    EXPECT_EQ(run({"reconcile", data.path(), "--to", "6/30/2001", "--balance", "lots"}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: not an amount: lots\n");
}

}  // namespace
}  // namespace qbk
