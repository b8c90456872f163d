// Failures made on purpose, for the tests that prove a change of the book survives a
// crash or a full disk at any point. Every operation that changes the disk (a write, a
// sync, a rename, a link, a removal, a cut, a new file or folder) first passes a fault
// point; when armed, the N-th point from then on either ends the process at once, as a
// power cut or a kill would, or fails as a full disk does. Unarmed, a point costs one
// load and a branch.
#ifndef QBK_PLATFORM_FAULT_INJECTION_H_
#define QBK_PLATFORM_FAULT_INJECTION_H_

#include <cstdint>
#include <string>

namespace qbk::fault {

enum class Kind { Crash, DiskFull };

// The exit status of a process ended by a Crash point.
inline constexpr int kCrashExit = 87;

// Makes the `n`-th point from now (1 = the next) fail; 0 disarms. Counting restarts.
void arm(Kind kind, std::uint64_t n);
void disarm();
// Points passed since the last arm() or disarm().
std::uint64_t pointsPassed();

// Called before each operation that changes the disk: ends the process (Crash) or
// throws OperationError "Disk full" naming `path` (DiskFull) when it is the armed one.
void point(const std::string& path);
// The same for code that must not throw: returns false where point() would throw.
bool passes(const std::string& path) noexcept;

}  // namespace qbk::fault

#endif  // QBK_PLATFORM_FAULT_INJECTION_H_
