#include "platform/program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/files.h"

namespace qbk {

std::string executableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return currentFolder();
    return parentFolder(std::string(buf, static_cast<std::size_t>(n)));
}

std::string userDataFolder() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr && *home ? home : "/tmp") + "/.local/share";
    }
    const std::string folder = joinPath(base, "quillbank");
    // Create each missing level; a failure shows later, when a file is written there.
    for (std::size_t pos = 1; pos != std::string::npos;) {
        pos = folder.find('/', pos + 1);
        ::mkdir(folder.substr(0, pos).c_str(), 0700);  // the user's own, as XDG asks
    }
    return folder;
}

bool isWritableFolder(const std::string& folder) {
    return folderExists(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool isSystemFolder(const std::string& folder) {
    // An installed program: even when it can write there (as root), the system's
    // folders are no place for a user's settings and book.
    for (const char* system : {"/usr/", "/bin", "/sbin"}) {
        if (folder.rfind(system, 0) == 0) return true;
    }
    return false;
}

std::string programFolder() {
    const std::string exe = executableFolder();
    if (isWritableFolder(exe) && !isSystemFolder(exe)) return withTrailingSlash(exe);
    return withTrailingSlash(userDataFolder());
}

}  // namespace qbk
