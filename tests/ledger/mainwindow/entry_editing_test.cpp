#include "mainwindow/entry_editing.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

const RegionalSettings us = RegionalSettings::unitedStates();

EntryFormText form(const std::string& amount, const std::string& code = "FOOD",
                   const std::string& note = "", const std::string& user1 = "",
                   const std::string& user2 = "") {
    return {"06/15/2001", amount, code, note, user1, user2};
}

EntryRecord readNew(const EntryFormText& f, bool income) {
    const EntryReading r = readEntryForm(f, income, EntryCommand::New, std::nullopt, us);
    EXPECT_FALSE(r.refusal) << r.refusal->text;
    return r.record;
}

TEST(ReadEntryForm, TheSignComesFromTheButtonOnly) {
    EXPECT_EQ(readNew(form("12.50"), false).amount, Money::fromRaw(-125000));
    EXPECT_EQ(readNew(form("-12.50"), true).amount, Money::fromRaw(125000));
    EXPECT_EQ(readNew(form("-12.50"), false).amount, Money::fromRaw(-125000));
    EXPECT_EQ(readNew(form("$1,234.56"), true).amount, Money::fromRaw(12345600));
    EXPECT_EQ(readNew(form("   "), true).amount, Money());
    EXPECT_EQ(readNew(form(""), false).amount, Money());
    // Rounded to four places, halves to even.
    EXPECT_EQ(readNew(form("0.00005"), true).amount, Money());
    EXPECT_EQ(readNew(form("0.00015"), true).amount, Money::fromRaw(2));
}

TEST(ReadEntryForm, FieldsAreCutOrPaddedToTheirWidths) {
    const EntryRecord r =
        readNew(form("7", "FOOD", std::string(65, 'n'), "visa card 1234", " shop "), true);
    EXPECT_EQ(r.entryDate, serialFromDate(2001, 6, 15));
    EXPECT_EQ(r.categoryCode, "FOOD      ");
    EXPECT_EQ(r.note, std::string(60, 'n'));
    EXPECT_EQ(r.userField1, "visa card ");
    EXPECT_EQ(r.userField2, " shop     ");
    EXPECT_EQ(r.deletedMark, "N");
    EXPECT_EQ(r.reserved, std::string(10, ' '));
    EXPECT_EQ(r.recordStamp, 0);
}

TEST(ReadEntryForm, RefusalsComeInOrderAndNameWhatIsWrong) {
    EntryFormText f = form("abc", "   ");
    f.date = "13/45/2001";
    EXPECT_EQ(readEntryForm(f, true, EntryCommand::New, std::nullopt, us).refusal,
              missingCategoryMessage());
    EXPECT_EQ(missingCategoryMessage(),
              (Message{"You must specify a category for the new record - click the category "
                       "list on the right.\r\n\r\nNew record entry failed.",
                       "Nothing to do!", Icon::Information, Buttons::Ok, 1}));
    // Replace makes no category check.
    EXPECT_EQ(readEntryForm(f, true, EntryCommand::Replace, std::nullopt, us).refusal->text,
              "The date \"13/45/2001\" is not a date.\r\n\r\nThe record was not replaced.");
    f.date = "06/15/2001";
    const auto amount = readEntryForm(f, true, EntryCommand::Replace, std::nullopt, us).refusal;
    ASSERT_TRUE(amount);
    EXPECT_EQ(*amount, amountRefusal("abc", EntryCommand::Replace));
    EXPECT_EQ(amount->text,
              "The amount \"abc\" is not a number - please type the amount in figures.\r\n\r\n"
              "The record was not replaced.");
    EXPECT_EQ(amount->title, "Nothing to do!");
    f.categoryCode = "FOOD";
    EXPECT_EQ(readEntryForm(f, false, EntryCommand::New, std::nullopt, us).refusal->text,
              "The amount \"abc\" is not a number - please type the amount in figures.\r\n\r\n"
              "New record entry failed.");
    // A second decimal point leaves no number either.
    EXPECT_TRUE(readEntryForm(form("1.2.3"), true, EntryCommand::New, std::nullopt, us).refusal);
}

TEST(ReadEntryForm, AFixedDateIsStoredWithoutReadingTheDateBox) {
    EntryFormText f = form("5");
    f.date = "(macro)";
    const EntryReading r =
        readEntryForm(f, true, EntryCommand::Replace, serialFromDate(2000, 2, 29), us);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(r.record.entryDate, serialFromDate(2000, 2, 29));
}

TEST(KeepClearedMark, AReplaceKeepsTheMarkUnlessTheAmountOrTheDateChanged) {
    EntryRecord loaded = entry(2001, 4, 2, "FOOD", -1250, "fish", 5);
    loaded.reserved = "Rspare    ";
    EntryRecord typed = entry(2001, 4, 2, "DINE", -1250, "fish soup", 0, "card");
    keepClearedMark(loaded, typed);
    EXPECT_EQ(encodeEntry(typed).substr(115), "Rspare    ");
    for (EntryRecord changed :
         {entry(2001, 4, 2, "FOOD", -1251, "fish"), entry(2001, 4, 2, "FOOD", 1250, "fish"),
          entry(2001, 4, 3, "FOOD", -1250, "fish")}) {
        keepClearedMark(loaded, changed);
        EXPECT_EQ(encodeEntry(changed).substr(115), " spare    ");
    }
}

TEST(ReadEntryForm, ReadsAmountsAndDatesInTheUsersRegionalSettings) {
    const RegionalSettings de = RegionalSettings::germany();
    const EntryReading r = readEntryForm({"31.12.2000", "1.234,56 €", "A", "", "", ""}, false,
                                         EntryCommand::New, std::nullopt, de);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(r.record.amount, Money::fromRaw(-12345600));
    EXPECT_EQ(r.record.entryDate, serialFromDate(2000, 12, 31));
    EXPECT_EQ(amountBoxText(Money::fromRaw(-125000), de), "12,5");
    EXPECT_EQ(amountBoxText(Money::fromRaw(-125000), us), "12.5");
    EXPECT_EQ(amountBoxText(Money::fromUnits(1000), us), "1000");
}

class SaveNewEntryTest : public ::testing::Test {
  protected:
    NewEntry save(const EntryFormText& f, bool income) {
        return saveNewEntry(data.file("quillbank.dat"), data.path(), settings, f, income, us,
                            stamps, sortKeys);
    }
    std::string pickList(int field) const {
        return data.read(field == 1 ? "udf1.dat" : "udf2.dat");
    }

    testing::TempFolder data;
    SettingsRecord settings = SettingsRecord::defaults();
    ManualClock clock{serialFromDate(2001, 6, 15), 43200.25};
    StampSource stamps{clock};
    SortKeyMemory sortKeys;
};

TEST_F(SaveNewEntryTest, TheFirstEntryMakesAFileOfOneRecord) {
    const NewEntry saved = save(form("12.50", "FOOD", "fish market", "card"), false);
    ASSERT_FALSE(saved.refusal);
    EXPECT_EQ(saved.position, 1u);
    EntryRecord expected = entry(2001, 6, 15, "FOOD", -1250, "fish market", 0, "card");
    expected.recordStamp = serialFromDate(2001, 6, 15) + 43200.25;
    EXPECT_EQ(saved.record, expected);
    EXPECT_EQ(data.read("quillbank.dat"), fileOf({expected}));
}

TEST_F(SaveNewEntryTest, EntriesGoInDateOrderWithStampsThatNeverRepeat) {
    data.write("quillbank.dat", fileOf({entry(2001, 6, 14, "CAR", -100, "", 1),
                                        entry(2001, 1, 1, "CAR", -100, "", 2)}));
    EntryFormText today = form("1");
    EntryFormText old = form("2");
    old.date = "12/31/2000";
    const NewEntry first = save(today, true);
    const NewEntry second = save(old, true);
    const NewEntry third = save(today, false);
    EXPECT_EQ(first.position, 1u);
    EXPECT_EQ(second.position, 4u);
    EXPECT_LT(first.record.recordStamp, second.record.recordStamp);
    EXPECT_LT(second.record.recordStamp, third.record.recordStamp);
    std::vector<double> order;
    for (const EntryRecord& r : readRecords(data.file("quillbank.dat")))
        order.push_back(r.recordStamp);
    EXPECT_EQ(order.size(), 5u);
    EXPECT_EQ(order[4], second.record.recordStamp);
}

TEST_F(SaveNewEntryTest, TypedUserFieldsAreRememberedOnceAndCut) {
    save(form("1", "A", "", "visa card 1234", "  home "), true);
    save(form("1", "A", "", "visa card", "home"), true);
    EXPECT_EQ(pickList(1), "visa card \r\n");
    EXPECT_EQ(pickList(2), "  home \r\n");
    save(form("1", "A", "", "   ", "Home"), true);
    EXPECT_EQ(pickList(1), "visa card \r\n");
    EXPECT_EQ(pickList(2), "  home \r\nHome\r\n");
}

TEST_F(SaveNewEntryTest, AFieldWithoutAPickListRemembersNothing) {
    settings.setUdf1Save("N");
    save(form("1", "A", "", "free text", "kept"), true);
    EXPECT_FALSE(data.exists("udf1.dat"));
    EXPECT_EQ(pickList(2), "kept\r\n");
}

TEST_F(SaveNewEntryTest, ARefusalWritesNothing) {
    EXPECT_TRUE(save(form("12", " ", "", "card", "home"), true).refusal);
    EXPECT_TRUE(save(form("none", "A", "", "card", "home"), true).refusal);
    EXPECT_FALSE(data.exists("quillbank.dat"));
    EXPECT_FALSE(data.exists("udf1.dat"));
    EXPECT_FALSE(data.exists("udf2.dat"));
    EXPECT_EQ(stamps.last(), 0);
}

TEST_F(SaveNewEntryTest, ARecordFileThatCannotBeWrittenIsAnError) {
    try {
        saveNewEntry(data.file("gone/quillbank.dat"), data.path(), settings, form("1"), true, us,
                     stamps, sortKeys);
        FAIL() << "no error";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kPathNotFound);
    }
    EXPECT_FALSE(data.exists("gone"));
}

TEST(EntryFormMessages, QuestionsAskForConfirmation) {
    EXPECT_EQ(replaceQuestion(),
              (Message{"Replace record?", "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(deleteQuestion(),
              (Message{"Delete record?", "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(removePickValueQuestion("  shop"),
              (Message{"Remove item   shop from pick list?", "Confirm", Icon::Question,
                       Buttons::YesNo, 1}));
    EXPECT_EQ(pickListPath("/data/", 2), "/data/udf2.dat");
}

}  // namespace
}  // namespace qbk
