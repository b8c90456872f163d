// Scripted stand-ins for the desktop's prompts, shell and printer: they record every
// call and answer from what the test set up.
#ifndef QBK_TESTS_REPORTS_FAKE_PORTS_H_
#define QBK_TESTS_REPORTS_FAKE_PORTS_H_

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/ports.h"

namespace qbk::testing {

class ScriptedPrompts : public Prompts {
  public:
    Answer message(const Message& m) override {
        messages.push_back(m);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected message: " << m.text;
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override {
        ADD_FAILURE() << "unexpected input prompt";
        return std::nullopt;
    }
    std::string openFile(const FileDialog&, bool) override {
        ADD_FAILURE() << "unexpected open dialog";
        return {};
    }
    std::string saveFile(const FileDialog& d) override {
        dialogs.push_back(d);
        if (saveNames.empty()) {
            ADD_FAILURE() << "unexpected save dialog";
            return {};
        }
        const std::string name = saveNames.front();
        saveNames.pop_front();
        return name;
    }

    std::deque<Answer> answers;
    std::deque<std::string> saveNames;
    std::vector<Message> messages;
    std::vector<FileDialog> dialogs;
};

class FakeShell : public Shell {
  public:
    bool openDocument(const std::string& path) override {
        opened.push_back(path);
        return documentOpens;
    }
    bool openUrl(const std::string&) override {
        ADD_FAILURE() << "unexpected web address";
        return false;
    }
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override {
        started.push_back({program, arguments, workingFolder});
        return programStarts;
    }

    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingFolder;
    };
    bool documentOpens = true;
    bool programStarts = true;
    std::vector<std::string> opened;
    std::vector<Start> started;
};

class FakePrinter : public Printer {
  public:
    struct Job {
        PageSetup setup;
        std::vector<std::string> lines;
        bool sent = false;
    };
    bool available() override { return installed; }
    void beginJob(const PageSetup& setup) override {
        EXPECT_TRUE(jobs.empty() || jobs.back().sent) << "a job began inside another";
        jobs.push_back({setup, {}, false});
    }
    void printLine(const std::string& line) override {
        ASSERT_FALSE(jobs.empty() || jobs.back().sent) << "a line outside a job";
        jobs.back().lines.push_back(line);
    }
    void endJob() override {
        ASSERT_FALSE(jobs.empty() || jobs.back().sent) << "a job ended twice";
        if (static_cast<int>(jobs.size()) == refuseJob)
            throw OperationError(errnum::kPrinterError, "Printer error (job refused)");
        jobs.back().sent = true;
    }

    bool installed = true;
    int refuseJob = 0;  // the job (counted from 1) the printer refuses; 0 none
    std::vector<Job> jobs;
};

}  // namespace qbk::testing

#endif  // QBK_TESTS_REPORTS_FAKE_PORTS_H_
