#include "platform/undo_history.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <vector>

#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/fault_injection.h"
#include "platform/files.h"

namespace qbk {
namespace {

constexpr const char* kJournal = "journal";
constexpr const char* kManifest = "manifest";
constexpr const char* kTurn = "turn";
constexpr std::string_view kNewPrefix = "new-";
constexpr std::string_view kTurnPrefix = "turn-";

std::function<bool(std::string_view)>& undoableRule() {
    static std::function<bool(std::string_view)> rule;
    return rule;
}

// Files a change journals: every file of the folder but temporaries and the folders and
// files whose names start with a dot (the undo store among them).
bool journaled(const std::string& name) {
    return !name.empty() && name[0] != '.' && !isTemporaryName(name);
}

bool undoable(const std::string& name) {
    return journaled(name) && (!undoableRule() || undoableRule()(name));
}

std::string folderKey(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder.empty() ? "." : folder;
}

std::string storeOf(const std::string& folder) {
    return joinPath(folder, kUndoFolderName);
}

struct stat statOf(const std::string& path, bool& exists) {
    struct stat st {};
    exists = ::stat(path.c_str(), &st) == 0;
    return st;
}

std::string signature(const std::string& path) {
    // The file a link names: in-place writes go through the link to it.
    bool exists = false;
    const struct stat st = statOf(path, exists);
    if (!exists) return "-";
    return std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
           std::to_string(static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                          st.st_mtim.tv_nsec);
}

long long mtimeNs(const std::string& path) {
    bool exists = false;
    const struct stat st = statOf(path, exists);
    if (!exists) return 0;
    return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

void makeFolder(const std::string& path) {
    fault::point(path);
    if (::mkdir(path.c_str(), 0700) != 0) {
        if (errno != EEXIST) throw OperationError::fromErrno(errno, path);
        return;
    }
    syncFolderEntry(path);
}

void removeTree(const std::string& path) {
    if (DIR* dir = ::opendir(path.c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            const std::string child = joinPath(path, name);
            struct stat st {};
            if (::lstat(child.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                removeTree(child);
            else
                ::unlink(child.c_str());
        }
        ::closedir(dir);
    }
    ::rmdir(path.c_str());
}

// Removes a work folder so that no crash on the way can leave a journal without its
// step files: the journal goes first, and a work folder without one holds nothing to do.
void dropWork(const std::string& work) {
    ::unlink(joinPath(work, kJournal).c_str());
    removeTree(work);
}

// The numbered entries of a store folder, oldest first.
std::vector<long> entries(const std::string& folder) {
    std::vector<long> numbers;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (!name.empty() && name.size() <= 9 &&
                name.find_first_not_of("0123456789") == std::string::npos)
                numbers.push_back(std::stol(name));
        }
        ::closedir(dir);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Keeps the whole of `path` in `saved`: a hard link when the caller is about to rename a
// new file over it (the old file then lives on only there), a copy otherwise.
void keepWhole(const std::string& path, const std::string& saved) {
    fault::point(saved);
    if (::link(path.c_str(), saved.c_str()) == 0) return;
    writeFileAtomically(saved, readFile(path));
}

// Makes `path` the file `saved` is, down to its inode and modification time, so that the
// change before can be undone next; `saved` stays. Doing it twice does no harm.
void linkOver(const std::string& saved, const std::string& path) {
    const std::string bridge = path + std::string(kTemporaryInfix) + "00000000";
    ::unlink(bridge.c_str());
    fault::point(bridge);
    if (::link(saved.c_str(), bridge.c_str()) != 0) {
        writeFileAtomically(path, readFile(saved));
        return;
    }
    fault::point(path);
    if (::rename(bridge.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(bridge.c_str());
        throw OperationError::fromErrno(err, path);
    }
    // A rename between two links of one file leaves both.
    ::unlink(bridge.c_str());
    syncFolderEntry(path);
}

// Removes the file a step created. A folder in its place was never made by a change (a
// write that met one failed) and stays.
void removeIfThere(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return;
    fault::point(path);
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw OperationError::fromErrno(errno, path);
}

// One step of a change, undone in reverse order.
struct Step {
    bool whole = true;
    std::string name;
    bool existed = true;
    std::uint64_t offset = 0, oldSize = 0;
    long long oldMtimeNs = 0;  // of a file written in place, put back with its bytes
};

std::string stepFile(const std::string& entry, std::size_t k) {
    return joinPath(entry, "step" + std::to_string(k));
}

std::string stepLine(const Step& s) {
    std::ostringstream m;
    if (s.whole)
        m << "whole " << s.existed << ' ' << s.name << '\n';
    else
        m << "patch " << s.existed << ' ' << s.offset << ' ' << s.oldSize << ' ' << s.oldMtimeNs
          << ' ' << s.name << '\n';
    return m.str();
}

// Puts `path` back as step k of `entry` keeps it.
void restoreStep(const std::string& folder, const std::string& entry, std::size_t k,
                 const Step& s) {
    const std::string path = joinPath(folder, s.name);
    const std::string saved = stepFile(entry, k);
    if (!s.existed) {
        removeIfThere(path);
    } else if (s.whole) {
        linkOver(saved, path);
    } else {
        writeAt(path, s.offset, readFile(saved));
        fault::point(path);
        if (::truncate(path.c_str(), static_cast<off_t>(s.oldSize)) != 0)
            throw OperationError::fromErrno(errno, path);
        const timespec times[2] = {{0, UTIME_OMIT},
                                   {static_cast<time_t>(s.oldMtimeNs / 1000000000LL),
                                    static_cast<long>(s.oldMtimeNs % 1000000000LL)}};
        ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
}

// The manifest of an entry: "by", the steps, and the signatures after the change.
std::string manifest(const std::string& writer, const std::string& folder,
                     const std::vector<Step>& steps) {
    std::string m = "by " + writer + '\n';
    std::set<std::string> names;
    for (const Step& s : steps) {
        m += stepLine(s);
        names.insert(s.name);
    }
    for (const std::string& name : names)
        if (undoable(name)) m += "after " + signature(joinPath(folder, name)) + ' ' + name + '\n';
    return m;
}

// A name a journal or manifest may hold: a file of the book's folder itself. One naming
// anything else was not written by this program and is not followed.
bool isPlainName(const std::string& name) {
    return journaled(name) && name.find('/') == std::string::npos;
}

struct Manifest {
    bool sound = true;
    std::string by;
    std::vector<Step> steps;
    std::map<std::string, std::string> after;  // name -> signature
};

// Reads manifest or journal lines; a journal's last line may be cut short by a crash
// (its write was not made), so only lines ended by a line feed count.
Manifest parseSteps(std::string text) {
    Manifest m;
    text.resize(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "by") {
            in >> m.by;
        } else if (kind == "whole" || kind == "patch") {
            Step s;
            s.whole = kind == "whole";
            int existed = -1;
            in >> existed;
            if (!s.whole) in >> s.offset >> s.oldSize >> s.oldMtimeNs;
            in >> std::ws;
            std::getline(in, s.name);
            s.existed = existed == 1;
            m.sound = m.sound && in && (existed == 0 || existed == 1) && isPlainName(s.name);
            m.steps.push_back(s);
        } else if (kind == "after") {
            std::string sig, name;
            in >> sig >> std::ws;
            std::getline(in, name);
            m.sound = m.sound && !sig.empty() && isPlainName(name) && undoable(name);
            m.after[name] = sig;
        } else {
            m.sound = false;
        }
    }
    return m;
}

// The entry as this program writes it: every step's file a plain file (never a link)
// whose bytes fit the step, and every file it names with its signature after.
Manifest readEntry(const std::string& folder, const std::string& entry) {
    Manifest m = parseSteps(readFile(joinPath(entry, kManifest)));
    m.sound = m.sound && !m.by.empty() && !m.after.empty();
    for (std::size_t k = 0; m.sound && k < m.steps.size(); ++k) {
        const Step& s = m.steps[k];
        if (!undoable(s.name)) continue;
        m.sound = m.after.count(s.name) > 0;
        if (!s.existed) continue;
        struct stat st {};
        m.sound = m.sound && ::lstat(stepFile(entry, k).c_str(), &st) == 0 && S_ISREG(st.st_mode);
        if (!m.sound || s.whole) continue;
        const auto saved = static_cast<std::uint64_t>(st.st_size);
        bool exists = false;
        const struct stat now = statOf(joinPath(folder, s.name), exists);
        // Never a write past the end of the file, nor a file made longer than the bytes
        // kept for it (a patch at a made-up offset would make a huge sparse file).
        const auto size = static_cast<std::uint64_t>(now.st_size);
        m.sound = exists && s.offset <= size && s.oldSize <= std::max(size, s.offset + saved);
    }
    return m;
}

// Puts the files a work folder's journal names back, newest step first.
void rollBack(const std::string& folder, const std::string& work) {
    const Manifest journal = parseSteps(readFile(joinPath(work, kJournal)));
    for (std::size_t k = journal.steps.size(); k-- > 0;)
        if (isPlainName(journal.steps[k].name)) restoreStep(folder, work, k, journal.steps[k]);
}

// Adds step k to a work folder: its file as it is now kept (for a write in place, the
// `kept` bytes from the step's offset), then its journal line, both on disk before the
// caller writes the file.
void journalStep(const std::string& folder, const std::string& work, std::size_t k, const Step& s,
                 std::uint64_t kept = 0) {
    const std::string path = joinPath(folder, s.name);
    const std::string saved = stepFile(work, k);
    if (s.existed) {
        if (s.whole)
            keepWhole(path, saved);
        else
            writeFileAtomically(saved, kept > 0 ? readAt(path, s.offset, kept) : std::string());
    }
    appendToFile(joinPath(work, kJournal), stepLine(s));
    syncFolderEntry(saved);
}

// Bytes held by the files of an entry.
std::uint64_t bytesOf(const std::string& entry) {
    std::uint64_t total = 0;
    if (DIR* dir = ::opendir(entry.c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            struct stat st {};
            if (::lstat(joinPath(entry, e->d_name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
                total += static_cast<std::uint64_t>(st.st_size);
        }
        ::closedir(dir);
    }
    return total;
}

// Moves the committed entry `work` to the next number of `store`, then drops the oldest
// entries beyond kUndoDepth or kUndoBytes (the newest is always kept).
void file(const std::string& work, const std::string& store) {
    makeFolder(store);
    std::vector<long> kept = entries(store);
    const long next = kept.empty() ? 1 : kept.back() + 1;
    renameFile(work, joinPath(store, std::to_string(next)));
    syncFolderEntry(joinPath(store, std::to_string(next)));
    kept.push_back(next);
    std::uint64_t bytes = 0;
    std::size_t keep = 0;  // entries kept, counted from the newest
    while (keep < kept.size() && keep < static_cast<std::size_t>(kUndoDepth)) {
        bytes += bytesOf(joinPath(store, std::to_string(kept[kept.size() - 1 - keep])));
        if (keep > 0 && bytes > kUndoBytes) break;
        ++keep;
    }
    for (std::size_t i = 0; i + keep < kept.size(); ++i)
        removeTree(joinPath(store, std::to_string(kept[i])));
}

struct OpenChange {
    std::string folder;
    std::string work;  // the entry being filled, created with the first step
    std::vector<Step> steps;
    std::string joins;  // a kept entry this change is the rest of (continueLastChange)
};

struct Registry {
    std::recursive_mutex mutex;
    std::map<std::string, OpenChange> open;  // by folder key
    std::set<std::string> quiet;             // folders an undo or redo is working on
    std::string writer;
};

Registry& registry() {
    static Registry r;
    return r;
}

std::string workFolder(OpenChange& change) {
    if (change.work.empty()) {
        const std::string store = storeOf(change.folder);
        makeFolder(store);
        const std::string work =
            joinPath(store, std::string(kNewPrefix) + std::to_string(::getpid()));
        dropWork(work);
        makeFolder(work);
        change.work = work;
    }
    return change.work;
}

// Commits an open change: writes the manifest (from here on the change stands) and
// files the entry. The steps of files undo leaves alone stay in it, unused, so that the
// step files keep the numbers the journal gave them.
void commit(OpenChange& change, const std::string& writer) {
    if (std::none_of(change.steps.begin(), change.steps.end(),
                     [](const Step& s) { return undoable(s.name); })) {
        dropWork(change.work);
        return;
    }
    if (!change.joins.empty()) {
        // The kept entry takes these steps after its own: their files are linked in
        // first, and the entry's new manifest (written atomically) is the commit point.
        Manifest kept = readEntry(change.folder, change.joins);
        const std::size_t first = kept.steps.size();
        for (std::size_t k = 0; k < change.steps.size(); ++k) {
            const std::string from = stepFile(change.work, k),
                              to = stepFile(change.joins, first + k);
            ::unlink(to.c_str());
            if (fileExists(from)) {
                fault::point(to);
                if (::link(from.c_str(), to.c_str()) != 0) writeFileAtomically(to, readFile(from));
            }
        }
        kept.steps.insert(kept.steps.end(), change.steps.begin(), change.steps.end());
        writeFileAtomically(joinPath(change.joins, kManifest),
                            manifest(kept.by, change.folder, kept.steps));
        removeTree(joinPath(storeOf(change.folder), "redo"));
        dropWork(change.work);
        return;
    }
    writeFileAtomically(joinPath(change.work, kManifest),
                        manifest(writer, change.folder, change.steps));
    const std::string store = storeOf(change.folder);
    removeTree(joinPath(store, "redo"));
    file(change.work, store);
}

// The entry an undo or redo takes and the store its opposite goes to, relative to the
// undo store, as its "turn" file keeps them.
struct TurnPlan {
    std::string entry, opposite;
};

// Files a turn that committed (its manifest written) and drops the entry it undid.
void finishTurn(const std::string& store, const std::string& work, const TurnPlan& plan) {
    removeTree(joinPath(store, plan.entry));
    file(work, plan.opposite.empty() ? store : joinPath(store, plan.opposite));
}

bool isSafeRelative(const std::string& p) {
    return p.find("..") == std::string::npos && (p.empty() || p[0] != '/');
}

// Puts the files of `entry` back (its steps in reverse), after keeping what they are
// now in a new entry filed in the opposite store. The caller holds the lock.
UndoResult apply(const std::string& folder, const TurnPlan& plan, const std::string& onlyWriter) {
    const std::string store = storeOf(folder);
    const std::string entry = joinPath(store, plan.entry);
    const Manifest m = readEntry(folder, entry);
    if (!m.sound) return UndoResult::Unreadable;
    if (!onlyWriter.empty() && m.by != onlyWriter) return UndoResult::OtherWriter;
    for (const auto& [name, sig] : m.after)
        if (signature(joinPath(folder, name)) != sig) return UndoResult::ChangedSince;

    const std::string work = joinPath(store, std::string(kTurnPrefix) + std::to_string(::getpid()));
    dropWork(work);
    makeFolder(work);
    try {
        writeFileAtomically(joinPath(work, kTurn), plan.entry + '\n' + plan.opposite + '\n');
        std::vector<Step> opposite;
        for (std::size_t k = m.steps.size(); k-- > 0;) {
            const Step& s = m.steps[k];
            if (!undoable(s.name)) continue;
            const std::string path = joinPath(folder, s.name);
            Step back;
            back.name = s.name;
            back.existed = fileExists(path);
            back.whole = s.whole || !s.existed;
            // Putting the step back writes its bytes at its offset and cuts the file to its
            // old size: what is kept of the file now covers both.
            std::uint64_t kept = 0;
            if (!back.whole) {
                back.offset = s.offset;
                back.oldSize = fileLength(path);
                back.oldMtimeNs = mtimeNs(path);
                const std::uint64_t written = fileLength(stepFile(entry, k));
                const std::uint64_t end = back.oldSize > s.oldSize
                                              ? back.oldSize
                                              : std::min(back.oldSize, s.offset + written);
                kept = end > s.offset ? end - s.offset : 0;
            }
            journalStep(folder, work, opposite.size(), back, kept);
            opposite.push_back(back);
            restoreStep(folder, entry, k, s);
        }
        writeFileAtomically(joinPath(work, kManifest), manifest(m.by, folder, opposite));
    } catch (...) {
        try {
            rollBack(folder, work);
            dropWork(work);
        } catch (const OperationError&) {
            // The next holder of the lock finishes putting the files back.
        }
        throw;
    }
    finishTurn(store, work, plan);
    return UndoResult::Done;
}

// Runs an undo or a redo: the newest entry of `from`, its opposite filed in `to`.
UndoResult turn(const std::string& folder, bool undo, const std::string& onlyWriter) {
    const std::string key = folderKey(folder);
    {
        std::lock_guard<std::recursive_mutex> guard(registry().mutex);
        registry().quiet.insert(key);
    }
    struct Unquiet {
        std::string key;
        ~Unquiet() {
            std::lock_guard<std::recursive_mutex> guard(registry().mutex);
            registry().quiet.erase(key);
        }
    } unquiet{key};
    const BookLock lock(key);
    const std::string store = storeOf(key);
    const std::vector<long> numbers = entries(undo ? store : joinPath(store, "redo"));
    if (numbers.empty()) return UndoResult::NothingToUndo;
    const std::string number = std::to_string(numbers.back());
    return apply(key, undo ? TurnPlan{number, "redo"} : TurnPlan{"redo/" + number, ""}, onlyWriter);
}

}  // namespace

void setUndoableFiles(std::function<bool(std::string_view name)> rule) {
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    undoableRule() = std::move(rule);
}

std::string undoWriter() {
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    if (registry().writer.empty())
        registry().writer = std::to_string(::getpid()) + "@" + std::to_string(::time(nullptr));
    return registry().writer;
}

void setUndoWriter(std::string writer) {
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    registry().writer = std::move(writer);
}

void continueLastChange(const std::string& folder) {
    const std::string key = folderKey(folder);
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    auto it = registry().open.find(key);
    if (it == registry().open.end() || !it->second.steps.empty()) return;
    const std::string store = storeOf(key);
    const std::vector<long> numbers = entries(store);
    if (numbers.empty()) return;
    const std::string entry = joinPath(store, std::to_string(numbers.back()));
    const Manifest m = readEntry(key, entry);
    if (!m.sound || m.by != undoWriter()) return;
    for (const auto& [name, sig] : m.after)
        if (signature(joinPath(key, name)) != sig) return;
    it->second.joins = entry;
}

namespace undo_hooks {

void recoverInterrupted(const std::string& folder) {
    const std::string store = storeOf(folderKey(folder));
    std::vector<std::string> left;
    if (DIR* dir = ::opendir(store.c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (name.starts_with(kNewPrefix) || name.starts_with(kTurnPrefix)) left.push_back(name);
        }
        ::closedir(dir);
    }
    for (const std::string& name : left) {
        const std::string work = joinPath(store, name);
        if (!fileExists(joinPath(work, kManifest))) {
            rollBack(folderKey(folder), work);
            dropWork(work);
        } else if (name.starts_with(kNewPrefix)) {
            removeTree(joinPath(store, "redo"));
            file(work, store);
        } else {
            const std::vector<std::string> lines = splitLines(readFile(joinPath(work, kTurn)));
            if (lines.size() == 2 && isSafeRelative(lines[0]) && isSafeRelative(lines[1]) &&
                !lines[0].empty())
                finishTurn(store, work, TurnPlan{lines[0], lines[1]});
            else
                dropWork(work);
        }
    }
}

void beginChange(const std::string& folder) {
    const std::string key = folderKey(folder);
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    if (registry().quiet.count(key)) return;
    registry().open[key] = OpenChange{key, "", {}, ""};
}

void endChange(const std::string& folder, bool failed) {
    const std::string writer = undoWriter();
    OpenChange change;
    {
        std::lock_guard<std::recursive_mutex> guard(registry().mutex);
        auto it = registry().open.find(folderKey(folder));
        if (it == registry().open.end()) return;
        change = std::move(it->second);
        registry().open.erase(it);
    }
    if (change.work.empty()) return;
    if (failed) {
        try {
            rollBack(change.folder, change.work);
            dropWork(change.work);
        } catch (const OperationError&) {
            // Left for the next holder of the lock, who puts the files back.
        }
        return;
    }
    // The change is made: a failure to keep it for undo must not undo it.
    try {
        commit(change, writer);
    } catch (const OperationError&) {
        if (!fileExists(joinPath(change.work, kManifest))) dropWork(change.work);
    }
}

void commitChange(const std::string& folder) {
    const std::string key = folderKey(folder);
    OpenChange change;
    {
        std::lock_guard<std::recursive_mutex> guard(registry().mutex);
        auto it = registry().open.find(key);
        if (it == registry().open.end()) return;
        change = std::move(it->second);
        it->second = OpenChange{key, "", {}, ""};
    }
    if (change.work.empty()) return;
    try {
        commit(change, undoWriter());
    } catch (const OperationError&) {
        // Without its undo step the change is not made: every file goes back.
        if (!fileExists(joinPath(change.work, kManifest))) {
            rollBack(change.folder, change.work);
            dropWork(change.work);
            throw;
        }
        // Committed, only not yet filed: the next holder of the lock files it.
    }
}

namespace {
// Journals a step for `path` in the open change of its folder, if there is one: `fill`
// describes it and returns how many bytes from its offset to keep. A step that cannot
// be journaled fails the write it precedes, and so the change.
template <typename Fill>
void addStep(const std::string& path, Fill fill) {
    const std::string name = fileName(path);
    if (!journaled(name)) return;
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    auto it = registry().open.find(folderKey(parentFolder(path)));
    if (it == registry().open.end()) return;
    OpenChange& change = it->second;
    Step s;
    s.name = name;
    s.existed = fileExists(path);
    const std::uint64_t kept = fill(s);
    journalStep(change.folder, workFolder(change), change.steps.size(), s, kept);
    change.steps.push_back(s);
}
}  // namespace

void beforeReplace(const std::string& path) {
    addStep(path, [](Step&) { return std::uint64_t{0}; });
}

void beforeWriteAt(const std::string& path, std::uint64_t offset, std::uint64_t length) {
    addStep(path, [&](Step& s) {
        s.whole = false;
        s.offset = offset;
        s.oldSize = fileLength(path);
        s.oldMtimeNs = mtimeNs(path);
        // Only the bytes the write replaces are kept: an append keeps nothing.
        return s.oldSize > offset ? std::min(length, s.oldSize - offset) : std::uint64_t{0};
    });
}

}  // namespace undo_hooks

UndoResult undoLastChange(const std::string& folder, const std::string& onlyWriter) {
    return turn(folder, true, onlyWriter);
}

UndoResult redoLastChange(const std::string& folder, const std::string& onlyWriter) {
    return turn(folder, false, onlyWriter);
}

std::string undoResultText(UndoResult result, const std::string& command) {
    switch (result) {
        case UndoResult::Done:
            return command == "Undo" ? "The last change was undone." : "The change was made again.";
        case UndoResult::NothingToUndo:
            return command == "Undo" ? "There is no change to undo."
                                     : "There is no change to redo.";
        case UndoResult::ChangedSince:
            return "The book has changed since; nothing was done.";
        case UndoResult::OtherWriter:
            return "The last change to the book was made by another program; nothing was done.";
        case UndoResult::Unreadable:
            return "The undo history of the book was not written by this program and cannot be "
                   "used; nothing was done.";
    }
    return {};
}

}  // namespace qbk
