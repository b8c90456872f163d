// The settings dialog: what it shows when it opens (read from the file), that quitting
// or saving without changes leaves the file's bytes alone, what a save stores, and the
// refusal of a fiscal-year start that is no date.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "support/accessibility_check.h"
#include "support/keyboard_check.h"
#include "support/window_fixture.h"
#include "tools/qt/config_dialog.h"

namespace qbk {
namespace {

class ConfigDialogTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        SettingsRecord s = SettingsRecord::defaults();
        s.setFyMonth(7);
        s.setFyDay(15);
        s.setStartupRange(365);
        s.setUserPassword("secret");
        s.setUdf2Save("N");
        s.setEditorName("  gedit --new-window");
        s.setGridOrder("-12n-");
        writeSettings(s);
        start();
        stored = program.read("qbk3.ini");
        dialog = std::make_unique<QBK3Config>(*window, "/home/user/books");
    }
    QLineEdit* edit(const char* name) const { return dialog->findChild<QLineEdit*>(name); }
    QCheckBox* check(const char* name) const { return dialog->findChild<QCheckBox*>(name); }
    QRadioButton* option(const char* name) const { return dialog->findChild<QRadioButton*>(name); }
    void type(const char* name, const QString& text) {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    SettingsRecord onFile() const { return SettingsRecord::fromBytes(program.read("qbk3.ini")); }

    std::string stored;
    std::unique_ptr<QBK3Config> dialog;
};

TEST_F(ConfigDialogTest, OpeningShowsTheFileAndDropsUnsavedChangesInMemory) {
    window->state().ProgramSettings.setGridOrder("--n12");
    ASSERT_TRUE(dialog->Form_Load());
    EXPECT_EQ(window->state().ProgramSettings.gridOrder(), "-12n-");
    EXPECT_EQ(edit("FYMonth")->text(), "7");
    EXPECT_EQ(edit("FYDay")->text(), "15");
    EXPECT_EQ(edit("PasswordEd")->text(), "secret");  // without its padding
    EXPECT_EQ(edit("OwnerNameEd")->text(), "Your Name Here");
    EXPECT_EQ(edit("UDF1NameEd")->text(), "user 1    ");
    EXPECT_EQ(edit("EditorName")->text(), "gedit --new-window");
    EXPECT_EQ(edit("AltFolder1Path")->text(), "");
    EXPECT_TRUE(option("SUD_1Cal")->isChecked());
    EXPECT_EQ(option("SUD_1Cal")->text(), "Past 1 Year");
    EXPECT_TRUE(check("UDF1Save")->isChecked());
    EXPECT_FALSE(check("UDF2Save")->isChecked());
    EXPECT_EQ(edit("FYMonth")->toolTip(), "First month of your fiscal year");

    dialog->findChild<QPushButton*>("QuitConfig")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(program.read("qbk3.ini"), stored);
}

TEST_F(ConfigDialogTest, ARangeNotAmongTheOptionsSelectsNoneAndIsKept) {
    SettingsRecord s = onFile();
    s.setStartupRange(45);
    writeSettings(s);
    stored = s.bytes();
    ASSERT_TRUE(dialog->Form_Load());
    for (QRadioButton* b : dialog->findChildren<QRadioButton*>())
        EXPECT_FALSE(b->isChecked()) << utf8(b->objectName());
    dialog->SaveConfig_Click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(program.read("qbk3.ini"), stored);
}

TEST_F(ConfigDialogTest, SaveStoresWhatWasTypedAndTheWindowUsesItAtOnce) {
    ASSERT_TRUE(dialog->Form_Load());
    type("FYMonth", " 4 ");
    type("FYDay", "6");
    type("PasswordEd", "  open sesame ");  // the box takes 10 characters, as the field
    EXPECT_EQ(edit("PasswordEd")->text(), "  open ses");
    type("OwnerNameEd", "Ada Lovelace");
    type("UDF1NameEd", "Project code");
    check("UDF1Save")->click();
    QTest::mouseClick(option("SUD_90Days"), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QPushButton*>("AltFolder2Save"), Qt::LeftButton);
    EXPECT_EQ(edit("AltFolder2Path")->text(), "/home/user/books");

    dialog->findChild<QPushButton*>("SaveConfig")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const SettingsRecord s = onFile();
    EXPECT_EQ(s.fyMonth(), 4);
    EXPECT_EQ(s.fyDay(), 6);
    EXPECT_EQ(s.startupRange(), 90);
    EXPECT_EQ(s.userPassword(), "open ses  ");
    EXPECT_EQ(s.ownerName(), fitField("Ada Lovelace", 40));
    EXPECT_EQ(s.udf1Name(), "Project co");
    EXPECT_EQ(s.udf1Save(), "N");
    EXPECT_EQ(s.udf2Save(), "N");
    EXPECT_EQ(s.altFolder2Path(), fitField("/home/user/books", 100));
    EXPECT_EQ(s.gridOrder(), "-12n-");
    EXPECT_EQ(window->state().ProgramSettings, s);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ConfigDialogTest, ThePasswordIsMaskedUntilShown) {
    ASSERT_TRUE(dialog->Form_Load());
    EXPECT_EQ(edit("PasswordEd")->echoMode(), QLineEdit::Password);
    check("ShowPassword")->click();
    EXPECT_EQ(edit("PasswordEd")->echoMode(), QLineEdit::Normal);
    check("ShowPassword")->click();
    EXPECT_EQ(edit("PasswordEd")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(check("ShowPassword")->toolTip(), "Show the password as typed");
}

TEST_F(ConfigDialogTest, SavingWithoutChangesWritesTheSameBytes) {
    ASSERT_TRUE(dialog->Form_Load());
    dialog->SaveConfig_Click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(program.read("qbk3.ini"), stored);
}

TEST_F(ConfigDialogTest, AFiscalStartThatIsNoDateIsRefusedAndNothingIsSaved) {
    ASSERT_TRUE(dialog->Form_Load());
    type("UDF1NameEd", "Changed");
    type("FYMonth", "13");
    dialog->SaveConfig_Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), (Message{"\"FY Starts Month\" must be a whole number from 1 to 12.",
                                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
    type("FYMonth", "2");
    type("FYDay", "30");
    dialog->SaveConfig_Click();
    EXPECT_EQ(prompts.last().text,
              "\"FY Starts Day\" must be a whole number from 1 to 29 (the days of month 2).");
    type("FYDay", "x");
    dialog->SaveConfig_Click();
    EXPECT_EQ(prompts.messages.size(), 3u);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(program.read("qbk3.ini"), stored);
    EXPECT_EQ(edit("UDF1NameEd")->text(), "Changed");
}

TEST_F(ConfigDialogTest, EveryFieldHasItsKeyAndEnterSaves) {
    EXPECT_EQ(testing::keyboardGaps(dialog.get()), "");
    EXPECT_EQ(testing::unnamedControls(dialog.get()), "");
    // The twin boxes and buttons are told apart by their names.
    QStringList names;
    for (const char* twin : {"UDF1Save", "UDF2Save", "AltFolder1Save", "AltFolder2Save"})
        names << QAccessible::queryAccessibleInterface(dialog->findChild<QWidget*>(twin))
                     ->text(QAccessible::Name);
    EXPECT_EQ(names.join(u'|').toStdString(),
              "Save List Items? (User Field 1)|Save List Items? (User Field 2)|"
              "Use Current (Alt. Folder 1)|Use Current (Alt. Folder 2)");
    ASSERT_TRUE(dialog->Form_Load());
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edit("FYMonth"));
    key(edit("FYMonth"), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit("OwnerNameEd"));
    // Tab goes down the fields, each followed by the box or button on its row.
    key(edit("UDF1NameEd"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), check("UDF1Save"));
    key(edit("AltFolder2Path"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "AltFolder2Save");
    type("OwnerNameEd", "Enter Saved");
    key(edit("OwnerNameEd"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(trimBlanks(onFile().ownerName()), "Enter Saved");
}

TEST_F(ConfigDialogTest, TheMenuItemOpensTheDialogModallyWithTheDataFolder) {
    QString shown, current;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        shown = modal->objectName() + " " + modal->windowTitle();
        modal->findChild<QPushButton*>("AltFolder1Save")->click();
        current = modal->findChild<QLineEdit*>("AltFolder1Path")->text();
        modal->findChild<QPushButton*>("QuitConfig")->click();
    });
    window->runCommand("mu_ConfigSettings");
    EXPECT_EQ(shown, "QBK3Config Quillbank Configuration Settings");
    EXPECT_EQ(current + "/", qs(program.path()));
    EXPECT_EQ(program.read("qbk3.ini"), stored);
}

TEST_F(ConfigDialogTest, NoPasswordShowsAnEmptyBoxAndARenamedFieldHeadsTheListAtOnce) {
    SettingsRecord s = onFile();
    s.setUserPassword("");
    writeSettings(s);
    QString password;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        auto* box = modal->findChild<QLineEdit*>("PasswordEd");
        password = box->text();
        QTest::keyClicks(box, QStringLiteral("pin"));
        auto* name = modal->findChild<QLineEdit*>("UDF1NameEd");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Project"));
        modal->findChild<QPushButton*>("SaveConfig")->click();
    });
    window->runCommand("mu_ConfigSettings");
    EXPECT_EQ(password, "");
    EXPECT_EQ(onFile().userPassword(), "pin       ");
    QStringList header;
    for (int i = 0; i < window->mainGridModel()->columnCount(); ++i)
        header
            << window->mainGridModel()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_TRUE(header.contains(QStringLiteral("Project"))) << header.join(u'|').toStdString();
}

}  // namespace
}  // namespace qbk
