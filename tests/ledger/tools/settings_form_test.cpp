#include "tools/settings_form.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace qbk {
namespace {

SettingsRecord saved(const SettingsForm& form, const SettingsRecord& read) {
    auto result = applySettingsForm(form, read);
    EXPECT_TRUE(std::holds_alternative<SettingsRecord>(result)) << std::get<Message>(result).text;
    return std::get<SettingsRecord>(result);
}

std::string refusal(const SettingsForm& form) {
    auto result = applySettingsForm(form, SettingsRecord::defaults());
    if (!std::holds_alternative<Message>(result)) return "saved";
    const Message& m = std::get<Message>(result);
    EXPECT_EQ(m.title, "Nothing to do!");
    EXPECT_EQ(m.icon, Icon::Exclamation);
    return m.text;
}

TEST(SettingsFormOpening, ShowsTheFieldsAsTheRulesSay) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setUserPassword("pw");
    s.setEditorName("  /usr/bin/abiword  ");
    s.setUdf2Save("N");
    s.setStartupRange(90);
    s.setFyMonth(4);
    s.setFyDay(6);
    const SettingsForm f = settingsFormOf(s);
    EXPECT_EQ(f.fyMonth, "4");
    EXPECT_EQ(f.fyDay, "6");
    EXPECT_EQ(f.password, "pw        ");
    EXPECT_EQ(f.ownerName, "Your Name Here");
    EXPECT_EQ(f.startupRange, 90);
    EXPECT_EQ(f.udf1Name, "user 1    ");
    EXPECT_EQ(f.udf2Name, "user 2    ");
    EXPECT_EQ(f.udf1Save, CheckState::Checked);
    EXPECT_EQ(f.udf2Save, CheckState::Unchecked);
    EXPECT_EQ(f.editorName, "/usr/bin/abiword");
    EXPECT_EQ(f.altFolder1Path, "");  // zero bytes in a new file
    EXPECT_EQ(f.altFolder2Path, "");

    s.setStartupRange(45);
    EXPECT_EQ(settingsFormOf(s).startupRange, std::nullopt);
    EXPECT_EQ(settingsFormOf(SettingsRecord()).password, "");  // a record never written
}

TEST(SettingsFormSaving, WithoutChangesTheFileStaysByteIdentical) {
    testing::TempFolder program;
    const std::string ini = program.file("qbk3.ini");
    SettingsRecord odd = SettingsRecord::defaults();
    odd.setUserPassword(" lead");  // a leading blank no save of ours would store
    odd.setUdf1Save("x");          // neither "Y" nor "N"
    odd.setStartupRange(45);       // no option button
    odd.setGridOrder("-21n-");
    odd.setToolTipsFlag("N");
    std::string oddBytes = odd.bytes();
    oddBytes[16] = '\x7F';    // a reserved byte
    oddBytes[1275] = '\x01';  // the last reserved byte
    for (const std::string& bytes : {SettingsRecord::defaults().bytes(), oddBytes}) {
        program.write("qbk3.ini", bytes);
        const SettingsRecord read = loadSettings(ini).settings;
        SaveConfig(ini, saved(settingsFormOf(read), read));
        EXPECT_EQ(program.read("qbk3.ini"), bytes);
    }
}

TEST(SettingsFormSaving, ThePasswordLosesItsBlanksAndAnEmptyBoxRemovesIt) {
    const SettingsRecord read = SettingsRecord::defaults();
    SettingsForm f = settingsFormOf(read);
    f.password = "  secret  ";
    EXPECT_EQ(saved(f, read).userPassword(), "secret    ");
    f.password = " abcdefghijklm";
    EXPECT_EQ(saved(f, read).userPassword(), "abcdefghij");
    SettingsRecord withPassword = read;
    withPassword.setUserPassword("secret");
    f = settingsFormOf(withPassword);
    f.password = "";
    EXPECT_EQ(saved(f, withPassword).bytes().substr(6, 10), std::string(10, ' '));
}

TEST(SettingsFormSaving, LabelsAreKeptAsTypedAndCutToTen) {
    const SettingsRecord read = SettingsRecord::defaults();
    SettingsForm f = settingsFormOf(read);
    f.udf1Name = " Paid with cash";
    f.udf2Name = "Cheque";
    const SettingsRecord s = saved(f, read);
    EXPECT_EQ(s.udf1Name(), " Paid with");
    EXPECT_EQ(s.udf2Name(), "Cheque    ");
}

TEST(SettingsFormSaving, TextBoxesAreTrimmedAndCutToTheirWidths) {
    const SettingsRecord read = SettingsRecord::defaults();
    SettingsForm f = settingsFormOf(read);
    f.ownerName = "  Jo Smith & Sons  ";
    f.editorName = " " + std::string(90, 'e') + " ";
    f.altFolder1Path = "  /home/jo/books/  ";
    f.altFolder2Path = std::string(120, 'p');
    const SettingsRecord s = saved(f, read);
    EXPECT_EQ(s.ownerName(), "Jo Smith & Sons" + std::string(25, ' '));
    EXPECT_EQ(s.editorName(), std::string(80, 'e'));
    EXPECT_EQ(s.altFolder1Path(), "/home/jo/books/" + std::string(85, ' '));
    EXPECT_EQ(s.altFolder2Path(), std::string(100, 'p'));
    // A folder path emptied by the user is stored blank.
    SettingsRecord withFolder = s;
    f = settingsFormOf(withFolder);
    f.altFolder1Path = "";
    EXPECT_EQ(saved(f, withFolder).altFolder1Path(), std::string(100, ' '));
}

TEST(SettingsFormSaving, CheckBoxesOptionButtonsAndNumbers) {
    SettingsRecord read = SettingsRecord::defaults();
    read.setUdf2Save("N");
    SettingsForm f = settingsFormOf(read);
    f.udf1Save = CheckState::Unchecked;
    f.udf2Save = CheckState::Checked;
    f.startupRange = 90;
    f.fyMonth = " 07 ";
    f.fyDay = "1";
    SettingsRecord s = saved(f, read);
    EXPECT_EQ(s.udf1Save(), "N");
    EXPECT_EQ(s.udf2Save(), "Y");
    EXPECT_EQ(s.startupRange(), 90);
    EXPECT_EQ(s.fyMonth(), 7);
    EXPECT_EQ(s.fyDay(), 1);
    // The grey state and no selected option leave the settings as they were.
    read.setUdf1Save("x");
    read.setStartupRange(45);
    f = settingsFormOf(read);
    f.udf1Save = CheckState::Grey;
    f.udf2Save = CheckState::Grey;
    f.startupRange.reset();
    s = saved(f, read);
    EXPECT_EQ(s.udf1Save(), "x");
    EXPECT_EQ(s.udf2Save(), "N");
    EXPECT_EQ(s.startupRange(), 45);
}

TEST(SettingsFormSaving, AMonthOrDayThatIsNoneIsRefusedNamingTheField) {
    SettingsForm f = settingsFormOf(SettingsRecord::defaults());
    const std::string month = "\"FY Starts Month\" must be a whole number from 1 to 12.";
    for (const char* text : {"", "0", "13", "1.5", "-1", "x", "1 2", "99999"}) {
        f.fyMonth = text;
        EXPECT_EQ(refusal(f), month) << text;
    }
    f.fyMonth = "4";
    f.fyDay = "31";
    EXPECT_EQ(refusal(f),
              "\"FY Starts Day\" must be a whole number from 1 to 30 (the days of month 4).");
    f.fyDay = "0";
    EXPECT_EQ(refusal(f),
              "\"FY Starts Day\" must be a whole number from 1 to 30 (the days of month 4).");
    f.fyMonth = "2";
    f.fyDay = "30";
    EXPECT_EQ(refusal(f),
              "\"FY Starts Day\" must be a whole number from 1 to 29 (the days of month 2).");
    f.fyDay = "29";
    EXPECT_EQ(refusal(f), "saved");
}

TEST(SettingsFormSaving, AStoredMonthOutOfRangeMustBeMendedBeforeSaving) {
    SettingsRecord read = SettingsRecord::defaults();
    read.setFyMonth(13);
    const auto result = applySettingsForm(settingsFormOf(read), read);
    ASSERT_TRUE(std::holds_alternative<Message>(result));
    EXPECT_EQ(std::get<Message>(result).text,
              "\"FY Starts Month\" must be a whole number from 1 to 12.");
}

TEST(StartupRangeOptions, NameTheTenButtonsInOrder) {
    std::string all;
    for (const StartupRangeOption& o : kStartupRangeOptions)
        all += std::string(o.objectName) + "=" + std::to_string(o.value) + " ";
    EXPECT_EQ(all,
              "SUD_FiscalYear=0 SUD_30Days=30 SUD_60Days=60 SUD_90Days=90 SUD_180Days=180 "
              "SUD_1Cal=365 SUD_2Cal=730 SUD_3Cal=1095 SUD_4Cal=1460 SUD_5Cal=1825 ");
    EXPECT_EQ(kStartupRangeOptions[3].caption, "Past 90 Days");
}

}  // namespace
}  // namespace qbk
