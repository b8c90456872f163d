#include "converter/headless.h"

#include <filesystem>
#include <optional>

#include "converter/conversion.h"
#include "converter/language_strings.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "version.h"

namespace qbk::converter {
namespace {

constexpr const char* kUsage =
    "Usage: qbk2to3 --convert OLDFOLDER [--into FOLDER]\n"
    "       qbk2to3 [--help | --version]\n"
    "Appends the entries and categories of the Quillbank 2.x files in OLDFOLDER to\n"
    "quillbank.dat and category.dat in FOLDER (default: the converter's own folder).\n"
    "Without arguments it opens its window.\n"
    "Exit status: 0 when something was converted, 1 when nothing was, 2 on bad\n"
    "arguments, 3 when a write failed (run it again: nothing is converted twice).\n";

// Messages become lines on the error stream; no question is ever asked.
class PrintedPrompts final : public Prompts {
  public:
    explicit PrintedPrompts(std::ostream& err) : err_(err) {}
    Answer message(const Message& m) override {
        err_ << m.title << ": ";
        for (std::size_t i = 0; i < m.text.size(); ++i) {
            if (!(m.text[i] == '\r' && i + 1 < m.text.size() && m.text[i + 1] == '\n'))
                err_ << m.text[i];
        }
        err_ << '\n';
        return Answer::Ok;
    }
    // The command line asks nothing else.
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
    std::string openFile(const FileDialog&, bool) override { return {}; }
    std::string saveFile(const FileDialog&) override { return {}; }

  private:
    std::ostream& err_;
};

std::string counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

struct Arguments {
    std::string oldFolder;
    std::optional<std::string> into;
    bool help = false;
    bool version = false;
};

std::optional<Arguments> parse(const std::vector<std::string>& args, std::ostream& err) {
    Arguments a;
    bool haveOld = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--version") {
            a.version = true;
        } else if (arg == "--convert" || arg == "--into") {
            if (i + 1 == args.size()) {
                err << "qbk2to3: " << arg << " needs a folder\n" << kUsage;
                return std::nullopt;
            }
            if (arg == "--convert") {
                a.oldFolder = args[++i];
                haveOld = true;
            } else {
                a.into = args[++i];
            }
        } else {
            err << "qbk2to3: unknown argument \"" << arg << "\"\n" << kUsage;
            return std::nullopt;
        }
    }
    if (!haveOld && !a.help && !a.version) {
        err << "qbk2to3: --convert OLDFOLDER is missing\n" << kUsage;
        return std::nullopt;
    }
    return a;
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// The folders of the command line as a plan, or nullopt after printing why they are
// none.
std::optional<ConversionPlan> planOf(const Arguments& parsed, const HeadlessEnvironment& env,
                                     std::ostream& err) {
    for (const std::string* folder : {&parsed.oldFolder, parsed.into ? &*parsed.into : nullptr}) {
        if (folder != nullptr && !isFolder(*folder)) {
            err << "qbk2to3: " << *folder << " is not a folder\n";
            return std::nullopt;
        }
    }
    ConversionPlan plan;
    plan.sourceFolder = withTrailingSlash(parsed.oldFolder);
    plan.targetFolder = withTrailingSlash(parsed.into ? *parsed.into : env.programFolder());
    const v2::Files found = v2::findFiles(plan.sourceFolder);
    plan.entryFiles = found.entryFiles;
    plan.categoryFiles = found.categoryFiles;
    return plan;
}

// One line for each file of the run, then the totals.
void printResult(const ConversionResult& result, std::ostream& out) {
    for (const auto& f : result.files) {
        out << f.name << ": ";
        if (f.skipped) {
            out << "skipped: " << f.reason;
        } else if (f.resumed) {
            out << "already converted by the interrupted run";
        } else if (f.kind == v2::FileKind::Entries) {
            out << counted(f.added, "entry", "entries") << " added";
        } else {
            out << counted(f.added, "category", "categories") << " added, " << f.alreadyPresent
                << " already present";
        }
        for (const auto& remark : f.remarks)
            out << "; " << remark;
        out << '\n';
    }
    out << "Added " << counted(result.entriesAdded(), "entry", "entries") << " and "
        << counted(result.categoriesAdded(), "category", "categories") << "; skipped "
        << counted(result.filesSkipped(), "file", "files") << ".\n";
}

}  // namespace

bool wantsHeadless(const std::vector<std::string>& args) {
    for (const auto& arg : args) {
        if (arg == "--convert" || arg == "--into" || arg == "--help" || arg == "-h" ||
            arg == "--version") {
            return true;
        }
    }
    return false;
}

int runHeadless(const std::vector<std::string>& args, const HeadlessEnvironment& env,
                std::ostream& out, std::ostream& err) {
    const auto parsed = parse(args, err);
    if (!parsed) return kExitUsage;
    if (parsed->help) {
        out << kUsage;
        return kExitConverted;
    }
    if (parsed->version) {
        out << "qbk2to3 " << kVersion << '\n';
        return kExitConverted;
    }
    const std::optional<ConversionPlan> plan = planOf(*parsed, env, err);
    if (!plan) return kExitUsage;

    ConversionOptions options;
    options.dates = env.dates;
    options.askFirst = false;
    options.showSummary = false;

    out << "Converting " << plan->sourceFolder << " into " << plan->targetFolder << '\n';
    PrintedPrompts prompts(err);
    NoProgress progress;
    StampSource stamps(env.clock);
    const LanguageStrings strings;
    const ConversionResult result =
        runConversion(*plan, options, prompts, progress, stamps, strings);
    printResult(result, out);
    if (result.end == ConversionEnd::WriteFailed) {
        err << "qbk2to3: the conversion stopped because a file could not be written; run it "
               "again once the problem is solved (converted files are not converted twice)\n";
        return kExitWriteFailed;
    }
    if (result.end == ConversionEnd::Failed) return kExitWriteFailed;
    return result.entriesAdded() + result.categoriesAdded() > 0 ? kExitConverted
                                                                : kExitNothingConverted;
}

}  // namespace qbk::converter
