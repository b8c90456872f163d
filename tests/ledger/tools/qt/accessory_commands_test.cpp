// The notes file (F4 and the toolbar), the about box and the web visit (F7).
#include "platform/command_line.h"
#include "support/window_fixture.h"
#include "tools/accessory_texts.h"

namespace qbk {
namespace {

class AccessoryTest : public testing::WindowTest {
  protected:
    void startWithEditor(const std::string& editor) {
        SettingsRecord s = SettingsRecord::defaults();
        s.setEditorName(editor);
        writeSettings(s);
        start();
        activate();
    }
};

constexpr const char* kNotesHeaderLines[] = {
    "New Quillbank note file for fiscal year 2001",
    "Created 06/15/2001",
    "Complete path and file name:",
    "",  // the path
    "This file *must* be saved with the extension '.doc' to work!",
    "Depending on your wordprocessor, you may have to force this",
    "with the Save As function...",
};

std::string notesHeader(const std::string& path) {
    std::string text;
    for (const char* line : kNotesHeaderLines)
        text += (*line ? std::string(line) : path) + "\r\n";
    return text;
}

TEST_F(AccessoryTest, F4WithoutAnEditorHandsTheNewNotesFileToTheDesktop) {
    startWithEditor("");
    key(window->mainGrid(), Qt::Key_F4);
    const std::string path = program.file("2001qbk.doc");
    EXPECT_EQ(shell.documents, (std::vector<std::string>{path}));
    EXPECT_TRUE(shell.starts.empty());
    EXPECT_EQ(program.read("2001qbk.doc"), notesHeader(path));

    // A second time the notes are opened as they are, without a new header.
    program.write("2001qbk.doc", "my notes\r\n");
    window->mainToolButton("Notes")->trigger();
    EXPECT_EQ(shell.documents.size(), 2u);
    EXPECT_EQ(program.read("2001qbk.doc"), "my notes\r\n");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(AccessoryTest, F4WithAnEditorStartsItWithTheFileNameLast) {
    startWithEditor("\"/opt/My Editor/edit\" -n");
    key(window->mainGrid(), Qt::Key_F4);
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].program, "/opt/My Editor/edit");
    EXPECT_EQ(shell.starts[0].arguments,
              (std::vector<std::string>{"-n", program.file("2001qbk.doc")}));
    EXPECT_EQ(shell.starts[0].workingFolder, program.path());
    EXPECT_TRUE(shell.documents.empty());
}

TEST_F(AccessoryTest, AnEditorOrDocumentThatCannotBeOpenedIsReported) {
    startWithEditor("nosuch-editor");
    shell.succeed = false;
    window->runCommand("mu_NotesOpen");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_NE(prompts.last().text.find("Error name: File not found (nosuch-editor)"),
              std::string::npos);
    EXPECT_TRUE(program.exists("2001qbk.doc"));

    // Notes and reports say the same when the desktop has no program for the file.
    window->state().ProgramSettings.setEditorName("");
    window->runCommand("mu_NotesOpen");
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last(), noEditorMessage(program.file("2001qbk.doc")));
}

TEST_F(AccessoryTest, AMissingDataFolderIsReportedAndNoFileIsWritten) {
    startWithEditor("");
    window->state().DataFolder = program.file("gone") + "/";
    window->runCommand("mu_NotesOpen");
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_TRUE(shell.documents.empty());
    EXPECT_FALSE(program.exists("gone"));
}

TEST_F(AccessoryTest, TheAboutBox) {
    startWithEditor("");
    window->action("mu_HelpAbout")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Quillbank");
    EXPECT_EQ(prompts.last().icon, Icon::Information);
    EXPECT_EQ(prompts.last().text.substr(0, 47),
              "Quillbank v.3.0 - release 2, January 20, 2000\r\n");
}

TEST_F(AccessoryTest, TheWebVisitAsksFirstAndReportsAMissingBrowser) {
    startWithEditor("");
    const auto filesNow = [this] {
        return std::distance(std::filesystem::directory_iterator(program.path()),
                             std::filesystem::directory_iterator());
    };
    const auto filesBefore = filesNow();
    prompts.answers = {Answer::No, Answer::Yes, Answer::Yes};
    key(window->mainGrid(), Qt::Key_F7);
    EXPECT_TRUE(shell.urls.empty());
    EXPECT_EQ(prompts.last(),
              (Message{"Please make sure your internet connection is active!\r\nContinue?",
                       "Visit Brindlefold on the Web", Icon::Question, Buttons::YesNo, 1}));

    window->mainToolButton("Web")->trigger();
    EXPECT_EQ(shell.urls, (std::vector<std::string>{std::string(kMakerWebAddress)}));
    EXPECT_EQ(prompts.messages.size(), 2u);

    shell.succeed = false;
    key(window->mainGrid(), Qt::Key_F7);
    EXPECT_EQ(prompts.last(), (Message{"Could not find your Browser", "Browser Not Found",
                                       Icon::Exclamation, Buttons::Ok, 1}));
    prompts.expectAllUsed();
    // Nothing is written for the browser.
    EXPECT_EQ(filesNow(), filesBefore);
}

}  // namespace
}  // namespace qbk
