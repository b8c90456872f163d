#include "converter/conversion.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/fill_in.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "store/record_file.h"

namespace qbk::converter {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr std::string_view kJournalHeader = "qbk2to3 journal 1";

// A version-3 file whose length is not a whole number of records: appending after its
// incomplete last record would shift every new record out of place.
struct IncompleteRecord {
    std::string file;
    std::uint64_t extraBytes = 0;
};

std::optional<IncompleteRecord> incompleteRecord(const std::string& path, std::size_t size) {
    const std::uint64_t length = fileLength(path);
    if (length % size == 0) return std::nullopt;
    return IncompleteRecord{path, length % size};
}

// The journal of the run: the entry files appended so far, by name, with the first
// stamp each was given. A line "pending" is written before an append and "done"
// after it; a pending file whose first stamp is in the record file was appended.
//
//   qbk2to3 journal 1
//   from <source folder>
//   pending|done <first stamp, 17 digits> <file name>
class Journal {
  public:
    Journal(std::string path, std::string source)
        : path_(std::move(path)), source_(std::move(source)) {}

    // Reads the journal an interrupted run from the same source folder left; a
    // journal of another folder, or one that cannot be read, is no journal.
    void load() {
        if (!fileExists(path_)) return;
        std::string text;
        try {
            text = readFile(path_);
        } catch (const OperationError&) {
            return;
        }
        const auto lines = splitLines(text);
        if (lines.size() < 2 || lines[0] != kJournalHeader || lines[1] != "from " + source_) return;
        for (std::size_t i = 2; i < lines.size(); ++i) {
            std::istringstream in(lines[i]);
            std::string state, stamp, name;
            if (!(in >> state >> stamp) || !std::getline(in >> std::ws, name)) continue;
            const double first = std::strtod(stamp.c_str(), nullptr);
            if (state == "done" || state == "pending") files_[name] = {state == "done", first};
        }
    }

    // True when `name` was appended by the interrupted run: marked done, or pending with
    // its first stamp in the record file `records`.
    bool appended(const std::string& name, std::string_view records) const {
        const auto it = files_.find(name);
        if (it == files_.end()) return false;
        if (it->second.done) return true;
        for (std::size_t at = 0; at + entry_layout::kSize <= records.size();
             at += entry_layout::kSize) {
            if (entry_bytes::recordStamp(records.data() + at) == it->second.firstStamp) return true;
        }
        return false;
    }

    void mark(const std::string& name, bool done, double firstStamp) {
        files_[name] = {done, firstStamp};
        save();
    }

    void remove() { removeFile(path_); }

  private:
    struct State {
        bool done = false;
        double firstStamp = 0;
    };

    void save() const {
        std::string text = std::string(kJournalHeader) + "\nfrom " + source_ + "\n";
        for (const auto& [name, state] : files_) {
            char stamp[40];
            std::snprintf(stamp, sizeof stamp, "%.17g", state.firstStamp);
            text += std::string(state.done ? "done " : "pending ") + stamp + " " + name + "\n";
        }
        writeFileAtomically(path_, text);
    }

    std::string path_;
    std::string source_;
    std::map<std::string, State> files_;
};

// A write of a version-3 file failed: the run stops.
struct WriteStopped {
    std::string reason;
};

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
          recordPath_(plan.targetFolder + std::string(kRecordFileName)),
          categoryPath_(plan.targetFolder + std::string(kCategoryFileName)),
          journal_(plan.targetFolder + std::string(kJournalFileName), plan.sourceFolder) {}

    ConversionResult run() {
        if (plan_.entryFiles.empty()) {
            show("NoDatFileErrorPrompt", "NoDatFileErrorTitle", Icon::Exclamation);
            result_.end = ConversionEnd::NoEntryFiles;
            return result_;
        }
        auto damaged = incompleteRecord(recordPath_, entry_layout::kSize);
        if (!damaged) damaged = incompleteRecord(categoryPath_, category_layout::kSize);
        if (damaged) {
            message(fillIn(text("DamagedTargetPrompt"),
                           {damaged->file, std::to_string(damaged->extraBytes)}),
                    text("DamagedTargetTitle"), Icon::Critical, Buttons::Ok);
            result_.end = ConversionEnd::TargetDamaged;
            return result_;
        }

        if (options_.askFirst && message(text("ReadyToGoPrompt"), text("ReadyToGoTitle"),
                                         Icon::None, Buttons::OkCancel) != Answer::Ok) {
            result_.end = ConversionEnd::Cancelled;
            return result_;
        }
        // The whole run is one change of the target book (one undo step): each file still
        // takes the lock for itself, so that a folder that cannot be locked is reported
        // with the file it stopped.
        std::optional<BookLock> wholeRun;
        try {
            wholeRun.emplace(plan_.targetFolder);
        } catch (const OperationError&) {
        }
        journal_.load();

        progress_.setBusy(true);
        try {
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
        } catch (const WriteStopped&) {
            progress_.setBusy(false);
            result_.end = ConversionEnd::WriteFailed;
            if (options_.showSummary) {
                message(text("RunStoppedPrompt") + kCrLf + kCrLf + reportText(result_, strings_),
                        text("ConversionReportTitle"), Icon::Critical, Buttons::Ok);
            }
            return result_;
        }
        progress_.setBusy(false);
        // The run is whole: a later run is a new one, not the rest of this one.
        journal_.remove();

        result_.end = ConversionEnd::Finished;
        if (options_.showSummary) {
            show("DoneConvertingPrompt", "DoneConvertingTitle", Icon::Exclamation);
            const std::string report = reportText(result_, strings_);
            if (!report.empty())
                message(report, text("ConversionReportTitle"), Icon::Exclamation, Buttons::Ok);
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

    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
        return prompts_.message(Message{text, title, icon, buttons, 1});
    }

    void show(const char* promptKey, const char* titleKey, Icon icon) {
        message(text(promptKey), text(titleKey), icon, Buttons::Ok);
    }

    // The content of a version-2 file, or nullopt after marking `file` skipped.
    std::optional<std::string> readSource(FileResult& file) {
        const std::string path = plan_.sourceFolder + file.name;
        try {
            // Gone since the list was filled.
            if (!fileExists(path)) throw OperationError::fromErrno(ENOENT, "");
            return readFile(path);
        } catch (const OperationError& e) {
            skip(file, fillIn(text("ReadFailedReason"), {e.what()}));
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

    // The current content of a version-3 file, read under the lock; a file that now
    // ends with an incomplete record stops the run.
    std::string readTarget(FileResult& file, const std::string& path, std::string_view name,
                           std::size_t recordSize) {
        std::string content;
        try {
            content = readFile(path);
        } catch (const OperationError& e) {
            stop(file, fillIn(text("TargetReadFailedReason"), {name, e.what()}));
        }
        if (content.size() % recordSize != 0)
            stop(file, fillIn(text("TargetDamagedReason"), {name}));
        return content;
    }

    [[noreturn]] void stop(FileResult& file, std::string reason) {
        skip(file, reason);
        throw WriteStopped{std::move(reason)};
    }

    // The book's lock, before a version-3 file is read for changing; a folder that
    // cannot be locked (missing, or another program writing too long) stops the run.
    BookLock lockTarget(FileResult& file, std::string_view name) {
        try {
            return BookLock(plan_.targetFolder);
        } catch (const OperationError& e) {
            stop(file, fillIn(text("WriteFailedReason"), {name, e.what()}));
        }
    }

    void write(FileResult& file, const std::string& path, std::string_view name,
               std::string_view bytes) {
        try {
            writeFileAtomically(path, bytes);
        } catch (const OperationError& e) {
            stop(file, fillIn(text("WriteFailedReason"), {name, e.what()}));
        }
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

        // Every record is converted before anything is written; the stamps are given
        // under the lock, above the record file's own.
        std::vector<EntryRecord> entries;
        entries.reserve(count);
        for (std::size_t r = 1; r <= count; ++r) {
            const std::size_t at = (r - 1) * v2::kEntrySize;
            const v2::Entry old =
                v2::decodeEntry(std::string_view(*content).substr(at, v2::kEntrySize));
            const std::string dateText = old.DateText.substr(0, v2::kDateTextUsed) + year;
            const auto date = options_.dates.parseDate(dateText, YearDigits::Four);
            if (!date) {
                skip(file,
                     fillIn(text("BadDateReason"), {std::to_string(r), displayText(dateText)}));
                return;
            }
            EntryRecord& entry = entries.emplace_back();
            entry.entryDate = *date;
            entry.categoryCode = fromWindows1252(old.CategoryCode);
            entry.amount = Money::fromRaw(old.Amount);
            entry.note = fromWindows1252(old.Note);
            progress_.recordDone(r);
        }

        const BookLock lock = lockTarget(file, kRecordFileName);
        std::string records = readTarget(file, recordPath_, kRecordFileName, entry_layout::kSize);
        if (journal_.appended(file.name, records)) {
            file.resumed = true;
            file.remarks.push_back(text("ResumedRemark"));
            return;
        }
        if (entries.empty()) return;
        records += stampNewRecords(records, entries, stamps_);
        const double firstStamp = entries.front().recordStamp;
        try {
            journal_.mark(file.name, false, firstStamp);
        } catch (const OperationError& e) {
            stop(file, fillIn(text("WriteFailedReason"), {kJournalFileName, e.what()}));
        }
        write(file, recordPath_, kRecordFileName, records);
        file.added = count;
        remarkOnTail(file, content->size(), v2::kEntrySize);
        // Should this last step fail, the pending line still shows the file appended.
        try {
            journal_.mark(file.name, true, firstStamp);
        } catch (const OperationError&) {
        }
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

        const BookLock lock = lockTarget(file, kCategoryFileName);
        std::string existing =
            readTarget(file, categoryPath_, kCategoryFileName, category_layout::kSize);
        // The codes the category file holds now; codes added from this same file are
        // not compared with each other.
        std::set<std::string, std::less<>> present;
        for (std::size_t at = 0; at < existing.size(); at += category_layout::kSize) {
            present.emplace(trimBlanks(std::string_view(existing).substr(
                at + category_layout::kCatCode, category_layout::kCatCodeWidth)));
        }

        std::size_t added = 0;
        std::size_t alreadyPresent = 0;
        for (std::size_t r = 1; r <= count; ++r) {
            const std::size_t at = (r - 1) * v2::kCategorySize;
            const v2::Category old =
                v2::decodeCategory(std::string_view(*content).substr(at, v2::kCategorySize));
            const std::string_view code = trimBlanks(old.CatCode);
            if (present.find(code) != present.end()) {
                ++alreadyPresent;
            } else {
                CategoryRecord category;
                category.catCode = fromWindows1252(code);
                category.catName = fromWindows1252(trimBlanks(old.CatName));
                existing += encodeCategory(category);
                ++added;
            }
            progress_.recordDone(r);
        }
        if (added > 0) write(file, categoryPath_, kCategoryFileName, existing);
        file.added = added;
        file.alreadyPresent = alreadyPresent;
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
    Journal journal_;
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
    const auto fail = [&](int number, const char* what) {
        progress.setBusy(false);
        prompts.message(Message{commonErrorText(number, what), std::string(kCommonErrorTitle),
                                Icon::Critical, Buttons::Ok, 1});
    };
    try {
        return run.run();
    } catch (const OperationError& e) {
        fail(e.number(), e.what());
    } catch (const std::exception& e) {
        fail(errnum::kInternalError, e.what());
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
