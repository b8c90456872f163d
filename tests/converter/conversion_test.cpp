// Conversion of hand-built version-2 folders into version-3 files.
#include <gtest/gtest.h>

#include <filesystem>

#include "converter/conversion.h"
#include "test_support.h"

namespace qbk::converter {
namespace {
using namespace testing;

class RecordingProgress final : public Progress {
  public:
    void fileStarted(v2::FileKind kind, std::size_t index, std::size_t count) override {
        events += std::string(kind == v2::FileKind::Entries ? " E" : " C") + std::to_string(index) +
                  ":" + std::to_string(count);
    }
    void recordDone(std::size_t number) override { events += " " + std::to_string(number); }
    void setBusy(bool busy) override { events += busy ? " busy" : " idle"; }
    std::string events;
};

class Conversion : public ::testing::Test {
  protected:
    ConversionPlan plan() const {
        const v2::Files found = v2::findFiles(old.path());
        return {old.path(), found.entryFiles, found.categoryFiles, target.path()};
    }
    ConversionResult convert(const ConversionPlan& p) {
        return runConversion(p, options, prompts, progress, stamps, strings);
    }
    ConversionResult convert() { return convert(plan()); }
    std::string records() const { return readFile(target / "quillbank.dat"); }

    TempFolder old, target;
    FixedClock clock{45000, 10000};  // stamps start at 55000
    StampSource stamps{clock};
    ScriptedPrompts prompts;
    RecordingProgress progress;
    LanguageStrings strings;
    ConversionOptions options;  // month first
    static constexpr double kStep = 1.0 / 512;
};

TEST_F(Conversion, EntriesTakeDayAndMonthFromTheTextAndTheYearFromTheName) {
    writeFile(old / "1998QBK.DAT", v2Entry("12/31/99", "FO", -1234567, "Caf\xE9 au lait") +
                                       v2Entry("01/02/xx", "X", INT64_MIN, "") +
                                       v2Entry("07/04/98", "", INT64_MAX, std::string(40, '*')));
    prompts.answers = {Answer::Ok};
    const ConversionResult result = convert();

    EXPECT_EQ(records(),
              v3Entry(36160, "FO", -1234567, "Caf\xE9 au lait", 55000) +
                  v3Entry(35797, "X ", INT64_MIN, "", 55000 + kStep) +
                  v3Entry(35980, "  ", INT64_MAX, std::string(40, '*'), 55000 + 2 * kStep));
    EXPECT_EQ(records().substr(26, 60), "Caf\xE9 au lait" + std::string(48, ' '));
    EXPECT_EQ(result.end, ConversionEnd::Finished);
    EXPECT_EQ(result.entriesAdded(), 3u);
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[0].title, "Ready to convert data");
    EXPECT_EQ(prompts.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompts.messages[1].title, "Nothing to do!");
    EXPECT_EQ(prompts.messages[1].text,
              "No Quillbank 2.x category files found in this folder. Look again.");
    EXPECT_EQ(prompts.messages[1].icon, Icon::Exclamation);
    EXPECT_EQ(prompts.messages[2].title, "Finished");
    EXPECT_EQ(progress.events, " busy E0:3 1 2 3 idle idle");
}

TEST_F(Conversion, NewestYearFirstWithStampsAfterThoseAlreadyInTheFile) {
    const std::string existing =
        v3Entry(44000, "OLD", 1, "kept", 95000.5) + v3Entry(43000, "OLD", 2, "kept", 90000);
    writeFile(target / "quillbank.dat", existing);
    writeFile(old / "1998QBK.DAT", v2Entry("01/01/", "A", 1, ""));
    writeFile(old / "1999qbk.dat", v2Entry("01/01/", "B", 2, ""));
    writeFile(old / "2000Qbk.Dat", v2Entry("01/01/", "C", 3, "") + v2Entry("01/02/", "C", 4, ""));
    writeFile(old / "1998CATS.DAT", "");
    prompts.answers = {Answer::Ok};
    convert();

    // 50000.5 seconds lie where single precision moves in steps of 1/256.
    const double s = 1.0 / 256;
    EXPECT_EQ(records(), existing + v3Entry(36526, "C", 3, "", 95000.5 + s) +
                             v3Entry(36527, "C", 4, "", 95000.5 + 2 * s) +
                             v3Entry(36161, "B", 2, "", 95000.5 + 3 * s) +
                             v3Entry(35796, "A", 1, "", 95000.5 + 4 * s));
    EXPECT_EQ(progress.events, " busy E2:2 1 2 E1:1 1 E0:1 1 C0:0 idle");
}

TEST_F(Conversion, CategoriesOldestFirstAndOnlyCodesNotYetPresent) {
    std::string existing = v3Category("X", "Existing");
    existing.replace(530, 10, "spare bits");
    writeFile(target / "category.dat", existing);
    writeFile(old / "1998QBK.DAT", "");
    writeFile(old / "1998CATS.DAT",
              v2Category("A ", "  Alpha") + v2Category(" X", "Other X") + v2Category("B", "Beta"));
    writeFile(old / "1999cats.dat", v2Category("B", "Beta again") + v2Category("C", "Gamma") +
                                        v2Category("C", "Gamma twice"));
    prompts.answers = {Answer::Ok};
    const ConversionResult result = convert();

    // Codes added from one file are not compared with each other.
    EXPECT_EQ(readFile(target / "category.dat"),
              existing + v3Category("A", "Alpha") + v3Category("B", "Beta") +
                  v3Category("C", "Gamma") + v3Category("C", "Gamma twice"));
    ASSERT_EQ(result.files.size(), 3u);
    EXPECT_EQ(result.files[1].added, 2u);
    EXPECT_EQ(result.files[1].alreadyPresent, 1u);
    EXPECT_EQ(result.files[2].added, 2u);
    EXPECT_EQ(result.files[2].alreadyPresent, 1u);
    EXPECT_FALSE(exists(target / "quillbank.dat"));
}

TEST_F(Conversion, IncompleteLastRecordsAreCountedToTheNearestAndReported) {
    const std::string note = "Twelve bytes and more";
    writeFile(old / "1998QBK.DAT", v2Entry("01/01/", "A", 1, "") + v2Entry("01/02/", "A", 2, "") +
                                       v2Entry("01/03/", "A", 3, note).substr(0, 30));
    writeFile(old / "1999QBK.DAT",
              v2Entry("01/01/", "B", 4, "") + v2Entry("01/02/", "B", 5, "").substr(0, 20));
    writeFile(old / "1999CATS.DAT", v2Category("B", "Bank"));
    prompts.answers = {Answer::Ok};
    const ConversionResult result = convert();

    const std::string bytes = records();
    ASSERT_EQ(bytes.size(), 4 * 125u);
    EXPECT_EQ(bytes.substr(3 * 125 + 26, 60), "Twelve bytes" + std::string(48, ' '));
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[2].title, "Conversion report");
    EXPECT_EQ(prompts.messages[2].text,
              "Remarks:\r\n"
              "1999QBK.DAT: the last 20 bytes do not make a whole record and were not "
              "converted\r\n"
              "1998QBK.DAT: the last record is incomplete (30 of 58 bytes); the missing bytes "
              "were read as blanks");
}

TEST_F(Conversion, AFailingFileAddsNothingAndIsReportedAtTheEnd) {
    options.dates.dateOrder = DateOrder::DayMonthYear;
    writeFile(old / "2001qbk.dat", v2Entry("31/01/01", "A", 1, ""));
    writeFile(old / "2000QBK.DAT",
              v2Entry("30/12/00", "A", 2, "") + v2Entry("12/31/00", "A", 3, ""));
    writeFile(old / "1999QBK.DAT", v2Entry("\xE9\x01/01/", "A", 4, ""));
    writeFile(old / "1999CATS.DAT", v2Category("A", "Alpha"));
    ConversionPlan p = plan();
    p.entryFiles.insert(p.entryFiles.begin(), "1997QBK.DAT");  // gone since it was listed
    prompts.answers = {Answer::Ok};
    const ConversionResult result = convert(p);

    EXPECT_EQ(records(), v3Entry(36922, "A", 1, "", 55000));
    EXPECT_EQ(result.filesSkipped(), 3u);
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[2].icon, Icon::Exclamation);
    EXPECT_EQ(prompts.messages[2].text,
              "These files were skipped; nothing from them was added:\r\n"
              "2000QBK.DAT: record 2: the date text \"12/31/2000\" is not a date\r\n"
              "1999QBK.DAT: record 1: the date text \"\xC3\xA9\xEF\xBF\xBD/01/1999\" is not a "
              "date\r\n"
              "1997QBK.DAT: the file could not be read (File not found)");
}

TEST_F(Conversion, AFailedWriteStopsTheRunAndIsReportedInTheCurrentLanguage) {
    strings.CurrentLanguage = "German";
    writeFile(old / "1998QBK.DAT", v2Entry("01/01/", "A", 1, ""));
    writeFile(old / "1998CATS.DAT", v2Category("A", "Alpha"));
    ConversionPlan p = plan();
    p.targetFolder = target / "gone/";
    prompts.answers = {Answer::Ok};
    const ConversionResult result = convert(p);

    EXPECT_EQ(texts(prompts),
              (std::vector<std::string>{
                  "Warnen - falls du habe bereits converted dies material, nicht anfertigen es "
                  "abermalig oder du wollen habe vervielfältigen archiv! Verfahren?",
                  "Die Umwandlung wurde angehalten, weil eine Datei nicht geschrieben werden "
                  "konnte. Beheben Sie das Problem und starten Sie sie erneut: bereits "
                  "umgewandelte Dateien werden nicht doppelt umgewandelt.\r\n\r\n"
                  "Diese Dateien wurden übersprungen; aus ihnen wurde nichts übernommen:\r\n"
                  "1998QBK.DAT: quillbank.dat konnte nicht geschrieben werden (Path not found (" +
                      target.path() + "gone))"}));
    EXPECT_EQ(result.end, ConversionEnd::WriteFailed);
    EXPECT_EQ(prompts.messages[1].title, "Umwandlungsbericht");
}

TEST_F(Conversion, CancelOrNoEntryFileConvertsNothing) {
    writeFile(old / "1998QBK.DAT", v2Entry("01/01/", "A", 1, ""));
    writeFile(old / "1998CATS.DAT", v2Category("A", "Alpha"));
    prompts.answers = {Answer::Cancel};
    EXPECT_EQ(convert().end, ConversionEnd::Cancelled);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "Caution - if you have already converted this data, don't do it again or you "
              "will have duplicate records! Proceed?");

    std::filesystem::remove(old / "1998QBK.DAT");
    prompts.messages.clear();
    EXPECT_EQ(convert().end, ConversionEnd::NoEntryFiles);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "No Quillbank 2.x data files found in this folder. Look again.");
    EXPECT_EQ(prompts.messages[0].icon, Icon::Exclamation);
    EXPECT_TRUE(std::filesystem::is_empty(target.path()));
}

TEST_F(Conversion, ATargetEndingInAnIncompleteRecordIsLeftAlone) {
    const std::string damaged = v3Entry(44000, "A", 1, "", 1) + "12345";
    writeFile(target / "quillbank.dat", damaged);
    writeFile(old / "1998QBK.DAT", v2Entry("01/01/", "A", 1, ""));
    writeFile(old / "1998CATS.DAT", v2Category("A", "Alpha"));
    EXPECT_EQ(convert().end, ConversionEnd::TargetDamaged);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Error");
    EXPECT_EQ(prompts.messages[0].icon, Icon::Critical);
    EXPECT_EQ(prompts.messages[0].text,
              target / "quillbank.dat" +
                  " ends with an incomplete record (5 bytes after the last whole record). "
                  "Nothing has been converted, so that no data is lost. Please check the file "
                  "or restore it from a backup.");
    EXPECT_EQ(records(), damaged);
    EXPECT_FALSE(exists(target / "category.dat"));
}

// A run that dies between two year files (here: an exception from the progress bar, as
// a kill would stop it) leaves its journal; the next run converts only what is missing.
// A run is one change of the target: interrupted, it leaves the target as it was.
TEST_F(Conversion, ARerunAfterAnInterruptionEndsWithTheEntriesOfOneCleanRun) {
    class DyingProgress final : public Progress {
      public:
        void fileStarted(v2::FileKind, std::size_t index, std::size_t) override {
            if (index == 0) throw std::runtime_error("killed");
        }
        void recordDone(std::size_t) override {}
        void setBusy(bool) override {}
    } dying;
    writeFile(old / "1999QBK.DAT", v2Entry("01/01/", "A", 1, "") + v2Entry("01/02/", "A", 2, ""));
    writeFile(old / "2000QBK.DAT", v2Entry("01/03/", "B", 3, ""));
    writeFile(old / "2000CATS.DAT", v2Category("A", "Alpha"));
    options.askFirst = false;
    options.showSummary = false;
    EXPECT_EQ(runConversion(plan(), options, prompts, dying, stamps, strings).end,
              ConversionEnd::Failed);
    EXPECT_EQ(records(), "");
    EXPECT_FALSE(exists(target / std::string(kJournalFileName)));

    const ConversionResult rerun = convert();
    EXPECT_EQ(rerun.end, ConversionEnd::Finished);
    // The stamp the interrupted run gave is not given again.
    EXPECT_EQ(records(), v3Entry(36528, "B", 3, "", 55000 + kStep) +
                             v3Entry(36161, "A", 1, "", 55000 + 2 * kStep) +
                             v3Entry(36162, "A", 2, "", 55000 + 3 * kStep));
    EXPECT_FALSE(rerun.files[0].resumed);
    EXPECT_EQ(rerun.entriesAdded(), 3u);
    EXPECT_FALSE(exists(target / std::string(kJournalFileName)));
}

}  // namespace
}  // namespace qbk::converter
