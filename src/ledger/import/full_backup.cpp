#include "import/full_backup.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

// File systems with no storage of their own: nothing a backup could be kept on.
constexpr std::array<std::string_view, 28> kPseudoFileSystems = {
    "autofs", "binfmt_misc", "bpf",      "cgroup",          "cgroup2",     "configfs",   "debugfs",
    "devpts", "devtmpfs",    "efivarfs", "fusectl",         "hugetlbfs",   "mqueue",     "nsfs",
    "proc",   "pstore",      "ramfs",    "rpc_pipefs",      "securityfs",  "selinuxfs",  "squashfs",
    "sysfs",  "tmpfs",       "tracefs",  "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "nfsd"};

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// One character of UTF-8 text starting at `i`: its length in bytes.
std::size_t charLength(std::string_view text, std::size_t i) {
    std::size_t n = 1;
    while (i + n < text.size() && isContinuationByte(text[i + n]))
        ++n;
    return n;
}

bool matchesOne(std::string_view name, std::string_view pattern) {
    // Iterative match with one backtrack point: the position after the last "*".
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += charLength(name, n);
        } else if (p < pattern.size() && lowerAscii(pattern[p]) == lowerAscii(name[n])) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP;
            starN += charLength(name, starN);
            n = starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool nameOrder(const std::string& a, const std::string& b) {
    const auto folded = [](const std::string& s) {
        std::string f(s);
        std::transform(f.begin(), f.end(), f.begin(), lowerAscii);
        return f;
    };
    const std::string fa = folded(a), fb = folded(b);
    return fa != fb ? fa < fb : a < b;
}

// A field of /proc/mounts: blanks, tabs, new lines and backslashes are written as
// three octal digits after a backslash.
std::string unescapeMountField(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                         (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

}  // namespace

bool matchesFilePattern(std::string_view name, std::string_view patterns) {
    while (true) {
        const std::size_t semicolon = patterns.find(';');
        if (matchesOne(name, patterns.substr(0, semicolon))) return true;
        if (semicolon == std::string_view::npos) return false;
        patterns.remove_prefix(semicolon + 1);
    }
}

std::vector<std::string> backupFileNames(const std::string& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) throw OperationError::fromErrno(ec.value(), folder);
    std::vector<std::string> names;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (matchesFilePattern(name, kBackupFilePattern) && fileExists(joinPath(folder, name)))
            names.push_back(name);
    }
    if (ec) throw OperationError::fromErrno(ec.value(), folder);
    std::sort(names.begin(), names.end(), nameOrder);
    return names;
}

std::string backupFolderCaption(std::string_view caption) {
    return withTrailingSlash(trimBlanks(caption));
}

bool isSameFolder(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return S_ISDIR(sa.st_mode) && S_ISDIR(sb.st_mode) && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

Message sameFolderMessage() {
    return {"Target and source are the same! Please select a different target folder.",
            "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1};
}

Message backupFinishedMessage() {
    return {"Backup completed!", "Finished", Icon::Information, Buttons::Ok, 1};
}

std::string copyingCaption(std::string_view name) {
    return "Copying: " + std::string(name);
}

std::optional<Message> runBackup(const std::string& source, const std::string& target,
                                 const std::function<void(const std::string& name)>& beforeCopy,
                                 const std::string& settingsFile) {
    if (trimBlanks(source) == trimBlanks(target) || isSameFolder(source, target))
        return sameFolderMessage();
    if (!folderExists(target))
        throw OperationError(errnum::kPathNotFound, "Path not found (" + target + ")");
    const BookLock from(source);
    BookLock into(target);
    std::vector<std::pair<std::string, std::string>> copies;  // name, from
    for (const std::string& name : backupFileNames(source))
        copies.emplace_back(name, joinPath(source, name));
    if (!settingsFile.empty() && fileExists(settingsFile) &&
        std::none_of(copies.begin(), copies.end(),
                     [](const auto& c) { return c.first == kSettingsFileName; }))
        copies.emplace_back(std::string(kSettingsFileName), settingsFile);
    for (const auto& [name, path] : copies) {
        if (beforeCopy) beforeCopy(name);
        try {
            struct stat st {};
            if (::stat(path.c_str(), &st) != 0) throw OperationError::fromErrno(errno, path);
            const auto mode = static_cast<unsigned>(st.st_mode & 07777);
            const std::string copy = resolveLinks(joinPath(target, name));
            writeFileAtomically(copy, readFile(path), mode);
            if (::chmod(copy.c_str(), mode) != 0) throw OperationError::fromErrno(errno, copy);
        } catch (const OperationError& e) {
            throw OperationError(e.number(), "Could not copy " + name + ": " + e.what());
        }
    }
    into.commit();
    return std::nullopt;
}

std::vector<std::string> mountPoints(std::string_view procMounts) {
    std::vector<std::string> points;
    for (const std::string& line : splitLines(procMounts)) {
        // device, mount point, type, options, dump, pass
        std::vector<std::string_view> fields;
        std::string_view rest = line;
        while (fields.size() < 3) {
            const std::size_t start = rest.find_first_not_of(" \t");
            if (start == std::string_view::npos) break;
            rest.remove_prefix(start);
            const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
            fields.push_back(rest.substr(0, end));
            rest.remove_prefix(end);
        }
        if (fields.size() < 3) continue;
        if (std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), fields[2]) !=
            kPseudoFileSystems.end())
            continue;
        const std::string point = withTrailingSlash(unescapeMountField(fields[1]));
        if (std::find(points.begin(), points.end(), point) == points.end()) points.push_back(point);
    }
    return points;
}

std::vector<std::string> mountedDrives() {
    try {
        std::vector<std::string> points = mountPoints(readFile("/proc/mounts"));
        if (!points.empty()) return points;
    } catch (const OperationError&) {
        // No mount table: the root folder is always there.
    }
    return {"/"};
}

}  // namespace qbk
