#include "platform/undo_history.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <vector>

#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace qbk {
namespace {

// Files that are not part of the book's changes: the program's settings, the pick lists
// and notes (remembered, not booked), and the files of the lock and the converter.
bool excluded(const std::string& name) {
    static const std::set<std::string> names = {"qbk3.ini", "udf1.dat", "udf2.dat",
                                                kLockFileName, "qbk2to3.journal"};
    return names.count(name) > 0 || name.empty() || name[0] == '.' || name.ends_with(".txt");
}

std::string folderKey(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder.empty() ? "." : folder;
}

std::string storeOf(const std::string& folder) {
    return joinPath(folder, kUndoFolderName);
}

std::string signature(const std::string& path) {
    // The file a link names: in-place writes go through the link to it.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return "-";
    return std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
           std::to_string(static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                          st.st_mtim.tv_nsec);
}

long long mtimeNs(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

void makeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) throw OperationError::fromErrno(errno, path);
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
void keepWhole(const std::string& path, const std::string& saved, bool mayLink) {
    if (mayLink && ::link(path.c_str(), saved.c_str()) == 0) return;
    writeFileAtomically(saved, readFile(path));
}

// One step of a change, undone in reverse order.
struct Step {
    bool whole = true;
    std::string name;
    bool existed = true;
    std::uint64_t offset = 0, oldSize = 0;
    long long oldMtimeNs = 0;  // of a file written in place, put back with its bytes
};

struct OpenChange {
    std::string folder;
    std::string work;  // the entry being filled, created with the first step
    std::vector<Step> steps;
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
        change.work = joinPath(store, "new-" + std::to_string(::getpid()));
        removeTree(change.work);
        makeFolder(change.work);
    }
    return change.work;
}

std::string stepFile(const std::string& entry, std::size_t k) {
    return joinPath(entry, "step" + std::to_string(k));
}

// The manifest of an entry: "by", the steps, and the signatures after the change.
std::string manifest(const std::string& writer, const std::string& folder,
                     const std::vector<Step>& steps) {
    std::ostringstream m;
    m << "by " << writer << '\n';
    std::set<std::string> names;
    for (const Step& s : steps) {
        if (s.whole)
            m << "whole " << s.existed << ' ' << s.name << '\n';
        else
            m << "patch " << s.existed << ' ' << s.offset << ' ' << s.oldSize << ' '
              << s.oldMtimeNs << ' ' << s.name << '\n';
        names.insert(s.name);
    }
    for (const std::string& name : names)
        m << "after " << signature(joinPath(folder, name)) << ' ' << name << '\n';
    return m.str();
}

// A name the undo store may put back: a file of the book's folder itself. A manifest
// naming anything else was not written by this program and is not followed.
bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

struct Manifest {
    bool sound = true;
    std::string by;
    std::vector<Step> steps;
    std::map<std::string, std::string> after;  // name -> signature
};

Manifest readManifest(const std::string& entry) {
    Manifest m;
    std::istringstream in(readFile(joinPath(entry, "manifest")));
    std::string kind;
    while (in >> kind) {
        if (kind == "by") {
            in >> m.by;
        } else if (kind == "whole" || kind == "patch") {
            Step s;
            s.whole = kind == "whole";
            in >> s.existed;
            if (!s.whole) in >> s.offset >> s.oldSize >> s.oldMtimeNs;
            in >> std::ws;
            std::getline(in, s.name);
            m.sound = m.sound && isPlainName(s.name);
            m.steps.push_back(s);
        } else if (kind == "after") {
            std::string sig, name;
            in >> sig >> std::ws;
            std::getline(in, name);
            m.sound = m.sound && isPlainName(name);
            m.after[name] = sig;
        } else {
            std::string rest;
            std::getline(in, rest);
        }
    }
    return m;
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

// Moves the filled entry `work` to the next number of `store`, then drops the oldest
// entries beyond kUndoDepth or kUndoBytes (the newest is always kept).
void file(const std::string& work, const std::string& store) {
    makeFolder(store);
    std::vector<long> kept = entries(store);
    const long next = kept.empty() ? 1 : kept.back() + 1;
    renameFile(work, joinPath(store, std::to_string(next)));
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

// Puts the files of `entry` back (its steps in reverse), after keeping what they are
// now in a new entry filed in `oppositeStore`. The caller holds the lock.
UndoResult apply(const std::string& folder, const std::string& entry, const std::string& oppositeStore,
                 const std::string& onlyWriter) {
    const Manifest m = readManifest(entry);
    if (!m.sound) return UndoResult::ChangedSince;
    if (!onlyWriter.empty() && m.by != onlyWriter) return UndoResult::OtherWriter;
    for (const auto& [name, sig] : m.after)
        if (signature(joinPath(folder, name)) != sig) return UndoResult::ChangedSince;

    // Each step is put back after keeping what it replaces, as the step of the opposite
    // entry (for a redo after an undo, and the other way round).
    const std::string work = joinPath(storeOf(folder), "turn-" + std::to_string(::getpid()));
    removeTree(work);
    makeFolder(work);
    std::vector<Step> opposite;
    for (std::size_t k = m.steps.size(); k-- > 0;) {
        const Step& s = m.steps[k];
        const std::string path = joinPath(folder, s.name);
        const std::string saved = stepFile(entry, k);
        Step back;
        back.name = s.name;
        back.existed = fileExists(path);
        back.whole = s.whole || !s.existed;
        const std::string keep = stepFile(work, opposite.size());
        if (back.whole) {
            if (back.existed) keepWhole(path, keep, true);
        } else {
            back.offset = s.offset;
            back.oldSize = fileLength(path);
            back.oldMtimeNs = mtimeNs(path);
            writeFileAtomically(keep, back.oldSize > s.offset
                                          ? readAt(path, s.offset, back.oldSize - s.offset)
                                          : std::string());
        }
        opposite.push_back(back);

        // Files come back as they were, down to their identity and modification time,
        // so that the change before this one can be undone next.
        if (s.whole) {
            if (s.existed)
                renameFile(saved, path);
            else
                removeFile(path);
        } else if (!s.existed) {
            removeFile(path);
        } else {
            writeAt(path, s.offset, readFile(saved));
            if (::truncate(path.c_str(), static_cast<off_t>(s.oldSize)) != 0)
                throw OperationError::fromErrno(errno, path);
            const timespec times[2] = {{0, UTIME_OMIT},
                                       {static_cast<time_t>(s.oldMtimeNs / 1000000000LL),
                                        static_cast<long>(s.oldMtimeNs % 1000000000LL)}};
            ::utimensat(AT_FDCWD, path.c_str(), times, 0);
        }
    }
    writeFileAtomically(joinPath(work, "manifest"), manifest(m.by, folder, opposite));
    removeTree(entry);
    file(work, oppositeStore);
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
    const std::string redo = joinPath(store, "redo");
    const std::string from = undo ? store : redo;
    const std::vector<long> numbers = entries(from);
    if (numbers.empty()) return UndoResult::NothingToUndo;
    return apply(key, joinPath(from, std::to_string(numbers.back())), undo ? redo : store,
                 onlyWriter);
}

}  // namespace

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

namespace undo_hooks {

void beginChange(const std::string& folder) {
    const std::string key = folderKey(folder);
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    if (registry().quiet.count(key)) return;
    registry().open[key] = OpenChange{key, "", {}};
}

void endChange(const std::string& folder) {
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
    // Keeping the change must never fail the change itself, which is done by now.
    try {
        writeFileAtomically(joinPath(change.work, "manifest"),
                            manifest(writer, change.folder, change.steps));
        const std::string store = storeOf(change.folder);
        removeTree(joinPath(store, "redo"));
        file(change.work, store);
    } catch (const OperationError&) {
        removeTree(change.work);
    }
}

namespace {
// Adds a step for `path` to the open change of its folder, if there is one.
template <typename Fill>
void addStep(const std::string& path, Fill fill) {
    const std::string name = fileName(path);
    if (excluded(name)) return;
    std::lock_guard<std::recursive_mutex> guard(registry().mutex);
    auto it = registry().open.find(folderKey(parentFolder(path)));
    if (it == registry().open.end()) return;
    OpenChange& change = it->second;
    try {
        Step s;
        s.name = name;
        s.existed = fileExists(path);
        const std::string saved = stepFile(workFolder(change), change.steps.size());
        fill(s, saved);
        change.steps.push_back(s);
    } catch (const OperationError&) {
        // A change that cannot be kept whole is not kept at all.
        removeTree(workFolder(change));
        registry().open.erase(it);
    }
}
}  // namespace

void beforeReplace(const std::string& path) {
    addStep(path, [&](Step& s, const std::string& saved) {
        s.whole = true;
        if (s.existed) keepWhole(path, saved, true);
    });
}

void beforeWriteAt(const std::string& path, std::uint64_t offset, std::uint64_t length) {
    addStep(path, [&](Step& s, const std::string& saved) {
        s.whole = false;
        s.offset = offset;
        s.oldSize = fileLength(path);
        s.oldMtimeNs = mtimeNs(path);
        writeFileAtomically(saved, s.existed ? readAt(path, offset, length) : std::string());
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
            return command == "Undo" ? "There is no change to undo." : "There is no change to redo.";
        case UndoResult::ChangedSince:
            return "The book has changed since; nothing was done.";
        case UndoResult::OtherWriter:
            return "The last change to the book was made by another program; nothing was done.";
    }
    return {};
}

}  // namespace qbk
