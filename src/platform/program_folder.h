// The program folder: where the settings file, the report work files and the default
// data folder live.
//
// It is the folder of the executable when that folder can be written and is not a
// system folder (a portable installation keeps everything together); otherwise the per-user data
// folder $XDG_DATA_HOME/quillbank (default ~/.local/share/quillbank), created when missing.
#ifndef QBK_PLATFORM_PROGRAM_FOLDER_H_
#define QBK_PLATFORM_PROGRAM_FOLDER_H_

#include <string>

namespace qbk {

// Folder of the running executable, without a trailing "/".
std::string executableFolder();

// The per-user data folder, created when missing; without a trailing "/".
std::string userDataFolder();

// True when files can be created in `folder`.
bool isWritableFolder(const std::string& folder);

// True for the system's program folders (/usr/..., /bin, /sbin): an installed program
// never keeps its data there, even when it could write there.
bool isSystemFolder(const std::string& folder);

// The program folder by the rule above, with a trailing "/".
std::string programFolder();

}  // namespace qbk

#endif  // QBK_PLATFORM_PROGRAM_FOLDER_H_
