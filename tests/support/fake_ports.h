// Scripted fakes of the ports for window tests. Each records what the program asked
// and answers from a queue; a question nobody scripted fails the test.
#ifndef QBK_TESTS_SUPPORT_FAKE_PORTS_H_
#define QBK_TESTS_SUPPORT_FAKE_PORTS_H_

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace qbk::testing {

class ScriptedPrompts final : public Prompts {
  public:
    // Every message box shown, in order.
    std::vector<Message> messages;
    // Answers to message boxes with a choice (Yes/No, OK/Cancel). A message with only an
    // OK button is answered OK without using the queue.
    std::deque<Answer> answers;

    struct InputCall {
        std::string title, prompt, defaultText;
    };
    std::vector<InputCall> inputCalls;
    std::deque<std::optional<std::string>> inputAnswers;  // nullopt: Cancel

    std::vector<FileDialog> fileDialogs;
    std::deque<std::string> fileAnswers;  // "" : Cancel

    Answer message(const Message& m) override {
        messages.push_back(m);
        if (m.buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question \"" << m.title << "\": " << m.text;
            return m.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override {
        inputCalls.push_back({title, prompt, defaultText});
        if (inputAnswers.empty()) {
            ADD_FAILURE() << "unexpected input prompt \"" << title << "\"";
            return std::nullopt;
        }
        auto a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    std::string openFile(const FileDialog& d, bool) override { return file(d); }
    std::string saveFile(const FileDialog& d) override { return file(d); }

    // The last message shown; fails when there was none.
    const Message& last() const {
        static const Message none;
        if (messages.empty()) {
            ADD_FAILURE() << "no message was shown";
            return none;
        }
        return messages.back();
    }
    // Fails when scripted answers were left unused.
    void expectAllUsed() const {
        EXPECT_TRUE(answers.empty()) << answers.size() << " answers unused";
        EXPECT_TRUE(inputAnswers.empty()) << inputAnswers.size() << " inputs unused";
        EXPECT_TRUE(fileAnswers.empty()) << fileAnswers.size() << " file answers unused";
    }

  private:
    std::string file(const FileDialog& d) {
        fileDialogs.push_back(d);
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unexpected file dialog \"" << d.title << "\"";
            return {};
        }
        std::string a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

class FakeShell final : public Shell {
  public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingFolder;
    };
    std::vector<std::string> documents, urls;
    std::vector<Start> starts;
    bool succeed = true;

    bool openDocument(const std::string& path) override {
        documents.push_back(path);
        return succeed;
    }
    bool openUrl(const std::string& url) override {
        urls.push_back(url);
        return succeed;
    }
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override {
        starts.push_back({program, arguments, workingFolder});
        return succeed;
    }
};

// Print jobs as they were sent.
class FakeJobs {
  public:
    struct Job {
        PageSetup setup;
        std::vector<std::string> lines;
        bool ended = false;
    };
    std::vector<Job> jobs;

  protected:
    void begin(const PageSetup& setup) { jobs.push_back({setup, {}, false}); }
    void line(const std::string& line) {
        if (jobs.empty() || jobs.back().ended)
            ADD_FAILURE() << "line printed outside a job";
        else
            jobs.back().lines.push_back(line);
    }
    void end() {
        if (jobs.empty() || jobs.back().ended)
            ADD_FAILURE() << "job ended twice";
        else
            jobs.back().ended = true;
    }
};

class FakePrinter final : public Printer, public FakeJobs {
  public:
    // The PDF files printed, each with its jobs, in order; `closed` once written.
    struct Pdf {
        std::string path;
        std::vector<Job> jobs;
        bool closed = false;
    };
    std::deque<Pdf> pdfs;
    bool installed = true;

    bool available() override { return installed; }
    std::unique_ptr<PdfFile> openPdf(const std::string& path) override {
        pdfs.push_back({path, {}, false});
        return std::make_unique<FakePdf>(pdfs.back());
    }
    void beginJob(const PageSetup& setup) override { begin(setup); }
    void printLine(const std::string& text) override { line(text); }
    void endJob() override { end(); }

  private:
    class FakePdf final : public PdfFile, public FakeJobs {
      public:
        explicit FakePdf(Pdf& pdf) : pdf_(pdf) {}
        void beginJob(const PageSetup& setup) override { begin(setup); }
        void printLine(const std::string& text) override { line(text); }
        void endJob() override { end(); }
        void close() override {
            pdf_.jobs = jobs;
            pdf_.closed = true;
        }

      private:
        Pdf& pdf_;
    };
};

class FakeHelpViewer final : public HelpViewer {
  public:
    int shown = 0, quits = 0;
    void showContents() override { ++shown; }
    void quit() override { ++quits; }
};

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_FAKE_PORTS_H_
