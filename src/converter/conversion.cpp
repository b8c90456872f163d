#include "converter/conversion.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>
#include <set>

#include "converter/errors.h"
#include "converter/files.h"
#include "converter/fixed_text.h"
#include "converter/version3_format.h"

namespace qbk::converter {
namespace {

constexpr const char* kCrLf = "\r\n";

// What a run learns about the version-3 files before it writes anything.
struct TargetCheck {
    std::optional<IncompleteRecordError> damaged;
    double largestStamp = 0;
};

TargetCheck checkTargets(const std::string& recordPath, const std::string& categoryPath) {
    TargetCheck check;
    if (const auto records = readFileIfExists(recordPath)) {
        if (records->size() % v3::kEntrySize != 0) {
            check.damaged.emplace(recordPath, records->size() % v3::kEntrySize);
            return check;
        }
        for (std::size_t at = 0; at < records->size(); at += v3::kEntrySize) {
            const double stamp =
                v3::decodeEntry(std::string_view(*records).substr(at, v3::kEntrySize)).RecordStamp;
            if (stamp > check.largestStamp) check.largestStamp = stamp;
        }
    }
    if (const auto categories = readFileIfExists(categoryPath)) {
        if (categories->size() % v3::kCategorySize != 0) {
            check.damaged.emplace(categoryPath, categories->size() % v3::kCategorySize);
        }
    }
    return check;
}

class Run {
  public:
    Run(const ConversionPlan& plan, const ConversionOptions& options, Prompts& prompts,
        Progress& progress, StampSource& stamps, const LanguageStrings& strings)
        : plan_(plan),
          options_(options),
          prompts_(prompts),
          progress_(progress),
          stamps_(stamps),
          strings_(strings),
          recordPath_(plan.targetFolder + std::string(v3::kRecordFileName)),
          categoryPath_(plan.targetFolder + std::string(v3::kCategoryFileName)) {}

    ConversionResult run() {
        if (plan_.entryFiles.empty()) {
            show("NoDatFileErrorPrompt", "NoDatFileErrorTitle", Icon::Exclamation);
            result_.end = ConversionEnd::NoEntryFiles;
            return result_;
        }
        const TargetCheck check = checkTargets(recordPath_, categoryPath_);
        if (check.damaged) {
            prompts_.message(
                fillIn(text("DamagedTargetPrompt"),
                       {check.damaged->file(), std::to_string(check.damaged->extraBytes())}),
                text("DamagedTargetTitle"), Icon::Critical, Buttons::Ok);
            result_.end = ConversionEnd::TargetDamaged;
            return result_;
        }
        stamps_.noteExisting(check.largestStamp);

        if (options_.askFirst && prompts_.message(text("ReadyToGoPrompt"), text("ReadyToGoTitle"),
                                                  Icon::None, Buttons::OkCancel) != Answer::Ok) {
            result_.end = ConversionEnd::Cancelled;
            return result_;
        }

        progress_.setBusy(true);
        for (std::size_t i = plan_.entryFiles.size(); i-- > 0;)
            convertEntryFile(i);
        if (plan_.categoryFiles.empty()) {
            // The entries are in by now; the closing message still follows, so that a
            // user is not led to convert them a second time.
            progress_.setBusy(false);
            show("NoCatFileErrorPrompt", "NoCatFileErrorTitle", Icon::Exclamation);
        } else {
            for (std::size_t i = 0; i < plan_.categoryFiles.size(); ++i)
                convertCategoryFile(i);
        }
        progress_.setBusy(false);

        result_.end = ConversionEnd::Finished;
        if (options_.showSummary) {
            show("DoneConvertingPrompt", "DoneConvertingTitle", Icon::Exclamation);
            const std::string report = reportText(result_, strings_);
            if (!report.empty()) {
                prompts_.message(report, text("ConversionReportTitle"), Icon::Exclamation,
                                 Buttons::Ok);
            }
        }
        return result_;
    }

    // What was done before an unexpected failure ended the run.
    ConversionResult failed() {
        result_.end = ConversionEnd::Failed;
        return result_;
    }

  private:
    std::string text(const char* key) const { return strings_.GetString(key); }

    void show(const char* promptKey, const char* titleKey, Icon icon) {
        prompts_.message(text(promptKey), text(titleKey), icon, Buttons::Ok);
    }

    // The content of a version-2 file, or nullopt after marking `file` skipped.
    std::optional<std::string> readSource(FileResult& file) {
        const std::string path = plan_.sourceFolder + file.name;
        try {
            if (auto content = readFileIfExists(path)) return content;
            // Gone since the list was filled.
            skip(file, fillIn(text("ReadFailedReason"), {std::strerror(ENOENT)}));
        } catch (const FileError& e) {
            skip(file, fillIn(text("ReadFailedReason"), {e.detail()}));
        }
        return std::nullopt;
    }

    void skip(FileResult& file, std::string reason) {
        file.skipped = true;
        file.reason = std::move(reason);
    }

    // The remark on the bytes of a file beyond its whole records.
    void remarkOnTail(FileResult& file, std::size_t size, std::size_t recordSize) {
        const std::size_t extra = size % recordSize;
        if (extra == 0) return;
        if (v2::recordCount(size, recordSize) > size / recordSize) {
            file.remarks.push_back(fillIn(text("PartialRecordReadRemark"),
                                          {std::to_string(extra), std::to_string(recordSize)}));
        } else {
            file.remarks.push_back(
                fillIn(text("PartialRecordLeftRemark"), {std::to_string(extra)}));
        }
    }

    // Appends `records` to a version-3 file, or marks `file` skipped.
    bool append(FileResult& file, const std::string& path, std::string_view fileName,
                std::size_t recordSize, const std::string& records) {
        if (records.empty()) return true;
        try {
            appendRecordsAtomically(path, recordSize, records);
            return true;
        } catch (const IncompleteRecordError&) {
            skip(file, fillIn(text("TargetDamagedReason"), {fileName}));
        } catch (const FileError& e) {
            skip(file, fillIn(text("WriteFailedReason"), {fileName, e.detail()}));
        }
        return false;
    }

    void convertEntryFile(std::size_t index) {
        FileResult& file = result_.files.emplace_back();
        file.kind = v2::FileKind::Entries;
        file.name = plan_.entryFiles[index];
        const auto content = readSource(file);
        if (!content) {
            progress_.fileStarted(file.kind, index, 0);
            return;
        }
        const std::size_t count = v2::recordCount(content->size(), v2::kEntrySize);
        progress_.fileStarted(file.kind, index, count);
        const std::string year(v2::yearOfName(file.name));

        std::string records;
        records.reserve(count * v3::kEntrySize);
        for (std::size_t r = 1; r <= count; ++r) {
            const std::size_t at = (r - 1) * v2::kEntrySize;
            const v2::Entry old =
                v2::decodeEntry(std::string_view(*content).substr(at, v2::kEntrySize));
            const std::string dateText = old.DateText.substr(0, v2::kDateTextUsed) + year;
            const auto date = parseShortDate(dateText, options_.dates);
            if (!date) {
                skip(file,
                     fillIn(text("BadDateReason"), {std::to_string(r), displayText(dateText)}));
                return;
            }
            v3::EntryRecord entry;
            entry.EntryDate = *date;
            entry.CategoryCode = old.CategoryCode;
            entry.Amount = old.Amount;
            entry.Note = old.Note;
            entry.RecordStamp = stamps_.next();
            entry.DeletedMark = "N";
            records += v3::encodeEntry(entry);
            progress_.recordDone(r);
        }
        if (!append(file, recordPath_, v3::kRecordFileName, v3::kEntrySize, records)) return;
        file.added = count;
        remarkOnTail(file, content->size(), v2::kEntrySize);
    }

    void convertCategoryFile(std::size_t index) {
        FileResult& file = result_.files.emplace_back();
        file.kind = v2::FileKind::Categories;
        file.name = plan_.categoryFiles[index];
        const auto content = readSource(file);
        if (!content) {
            progress_.fileStarted(file.kind, index, 0);
            return;
        }
        const std::size_t count = v2::recordCount(content->size(), v2::kCategorySize);
        progress_.fileStarted(file.kind, index, count);

        // The codes the category file holds now; codes added from this same file are
        // not compared with each other.
        std::set<std::string, std::less<>> present;
        try {
            const std::string existing = readFileIfExists(categoryPath_).value_or("");
            if (existing.size() % v3::kCategorySize != 0) {
                skip(file, fillIn(text("TargetDamagedReason"), {v3::kCategoryFileName}));
                return;
            }
            for (std::size_t at = 0; at < existing.size(); at += v3::kCategorySize) {
                present.emplace(trimBlanks(
                    std::string_view(existing).substr(at + v3::kCatCodeAt, v3::kCatCodeWidth)));
            }
        } catch (const FileError& e) {
            skip(file, fillIn(text("TargetReadFailedReason"), {v3::kCategoryFileName, e.detail()}));
            return;
        }

        std::string records;
        std::size_t added = 0;
        for (std::size_t r = 1; r <= count; ++r) {
            const std::size_t at = (r - 1) * v2::kCategorySize;
            const v2::Category old =
                v2::decodeCategory(std::string_view(*content).substr(at, v2::kCategorySize));
            const std::string_view code = trimBlanks(old.CatCode);
            if (present.find(code) != present.end()) {
                ++file.alreadyPresent;
            } else {
                v3::CategoryRecord category;
                category.CatCode = code;
                category.CatName = trimBlanks(old.CatName);
                records += v3::encodeCategory(category);
                ++added;
            }
            progress_.recordDone(r);
        }
        if (!append(file, categoryPath_, v3::kCategoryFileName, v3::kCategorySize, records)) {
            file.alreadyPresent = 0;
            return;
        }
        file.added = added;
        remarkOnTail(file, content->size(), v2::kCategorySize);
    }

    const ConversionPlan& plan_;
    const ConversionOptions& options_;
    Prompts& prompts_;
    Progress& progress_;
    StampSource& stamps_;
    const LanguageStrings& strings_;
    const std::string recordPath_;
    const std::string categoryPath_;
    ConversionResult result_;
};

}  // namespace

std::size_t ConversionResult::entriesAdded() const {
    std::size_t n = 0;
    for (const auto& f : files) {
        if (f.kind == v2::FileKind::Entries) n += f.added;
    }
    return n;
}

std::size_t ConversionResult::categoriesAdded() const {
    std::size_t n = 0;
    for (const auto& f : files) {
        if (f.kind == v2::FileKind::Categories) n += f.added;
    }
    return n;
}

std::size_t ConversionResult::filesSkipped() const {
    std::size_t n = 0;
    for (const auto& f : files)
        n += f.skipped ? 1 : 0;
    return n;
}

ConversionResult runConversion(const ConversionPlan& plan, const ConversionOptions& options,
                               Prompts& prompts, Progress& progress, StampSource& stamps,
                               const LanguageStrings& strings) {
    Run run(plan, options, prompts, progress, stamps, strings);
    try {
        return run.run();
    } catch (const FileError& e) {
        progress.setBusy(false);
        prompts.message(commonErrorText(e.what(), e.number()), std::string(kCommonErrorTitle),
                        Icon::Critical, Buttons::Ok);
    } catch (const std::exception& e) {
        progress.setBusy(false);
        prompts.message(commonErrorText(e.what(), errnum::kInternalError),
                        std::string(kCommonErrorTitle), Icon::Critical, Buttons::Ok);
    }
    return run.failed();
}

std::string reportText(const ConversionResult& result, const LanguageStrings& strings) {
    std::string skipped, remarks;
    for (const auto& f : result.files) {
        if (f.skipped) {
            skipped += kCrLf + f.name + ": " + f.reason;
        } else {
            for (const auto& remark : f.remarks)
                remarks += kCrLf + f.name + ": " + remark;
        }
    }
    std::string text;
    if (!skipped.empty()) text = strings.GetString("SkippedFilesPrompt") + skipped;
    if (!remarks.empty()) {
        if (!text.empty()) text += std::string(kCrLf) + kCrLf;
        text += strings.GetString("RemarksPrompt") + remarks;
    }
    return text;
}

}  // namespace qbk::converter
