#include "tools/notes_file.h"

#include <gtest/gtest.h>

#include "mainwindow/window_texts.h"
#include "platform/errors.h"
#include "support/temp_folder.h"
#include "tools/accessory_texts.h"
#include "version.h"

namespace qbk {
namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

TEST(NotesFile, IsNamedByTheFiscalYear) {
    EXPECT_EQ(notesFileName(2000), "2000qbk.doc");
    EXPECT_EQ(notesFileName(1999), "1999qbk.doc");
}

TEST(NotesFile, ANewFileGetsTheSevenHeaderLinesOnce) {
    testing::TempFolder data;
    const std::string path = openNotesFile(data.path(), 2000, serialFromDate(2000, 7, 4), kUs);
    EXPECT_EQ(path, data.path() + "2000qbk.doc");
    const std::string header =
        "New Quillbank note file for fiscal year 2000\r\n"
        "Created 07/04/2000\r\n"
        "Complete path and file name:\r\n" +
        data.path() +
        "2000qbk.doc\r\n"
        "This file *must* be saved with the extension '.doc' to work!\r\n"
        "Depending on your wordprocessor, you may have to force this\r\n"
        "with the Save As function...\r\n";
    EXPECT_EQ(data.read("2000qbk.doc"), header);

    // The user writes notes; opening again in the same year adds nothing.
    data.write("2000qbk.doc", header + "Paid the roofer.\r\n");
    openNotesFile(data.path(), 2000, serialFromDate(2000, 8, 1), kUs);
    EXPECT_EQ(data.read("2000qbk.doc"), header + "Paid the roofer.\r\n");

    // A new fiscal year starts a file of its own.
    openNotesFile(data.path(), 2001, serialFromDate(2001, 1, 2), kUs);
    EXPECT_TRUE(data.read("2001qbk.doc")
                    .starts_with("New Quillbank note file for fiscal year 2001\r\nCreated "
                                 "01/02/2001\r\n"));
    EXPECT_EQ(data.read("2000qbk.doc"), header + "Paid the roofer.\r\n");
}

TEST(NotesFile, AnEmptyFileGetsTheHeaderAndAMissingFolderIsAnError) {
    testing::TempFolder data;
    data.write("2005qbk.doc", "");
    openNotesFile(data.path(), 2005, serialFromDate(2005, 3, 1), RegionalSettings::germany());
    EXPECT_TRUE(data.read("2005qbk.doc")
                    .starts_with("New Quillbank note file for fiscal year 2005\r\nCreated "
                                 "01.03.2005\r\nComplete"));
    EXPECT_THROW(openNotesFile(data.file("gone/"), 2005, 0, kUs), OperationError);
}

TEST(NotesLaunch, ABlankEditorLeavesTheFileToTheDesktop) {
    for (const std::string& setting :
         {std::string(80, ' '), std::string(80, '\0'), std::string()}) {
        const NotesLaunch l = notesLaunch(setting, "/data/", "/data/2000qbk.doc");
        EXPECT_TRUE(l.openWithDesktop);
        EXPECT_EQ(l.document, "/data/2000qbk.doc");
    }
}

TEST(NotesLaunch, AnEditorGetsItsArgumentsAndTheFileLast) {
    NotesLaunch l = notesLaunch("  libreoffice --writer" + std::string(58, ' '), "/data/",
                                "/data/my books/2000qbk.doc");
    EXPECT_FALSE(l.openWithDesktop);
    EXPECT_EQ(l.program, "libreoffice");
    EXPECT_EQ(l.arguments, (std::vector<std::string>{"--writer", "/data/my books/2000qbk.doc"}));
    EXPECT_EQ(l.workingFolder, "/data/");

    l = notesLaunch("\"/opt/My Editor/edit\" -n \"a b\"\"c\" \"\"", "/d/", "/d/2000qbk.doc");
    EXPECT_EQ(l.program, "/opt/My Editor/edit");
    EXPECT_EQ(l.arguments, (std::vector<std::string>{"-n", "a bc", "", "/d/2000qbk.doc"}));

    EXPECT_TRUE(notesLaunch("\"\"", "/d/", "/d/x").openWithDesktop);
}

TEST(AccessoryMessages, TheirTextsAndTitles) {
    EXPECT_EQ(aboutMessage().title, "Quillbank");
    EXPECT_EQ(aboutMessage().text,
              "Quillbank v.3.0 - release 2, January 20, 2000\r\nMade by Brindlefold\r\n\r\nThis is "
              "Quillbank 3 for Linux, version " +
                  std::string(kVersion) + ".");
    EXPECT_EQ(webVisitQuestion(),
              (Message{"Please make sure your internet connection is active!\r\nContinue?",
                       "Visit Brindlefold on the Web", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(browserNotFoundMessage(), (Message{"Could not find your Browser", "Browser Not Found",
                                                 Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_EQ(toolTipsOnMessage(),
              (Message{"The Tool Tips will reappear the next time you start the program.",
                       "Tool Tips On", Icon::Information, Buttons::Ok, 1}));
}

}  // namespace
}  // namespace qbk
