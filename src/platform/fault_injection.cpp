#include "platform/fault_injection.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "platform/errors.h"

namespace qbk::fault {
namespace {

std::atomic<std::uint64_t> armedAt{0};
std::atomic<std::uint64_t> passed{0};
std::atomic<Kind> armedKind{Kind::Crash};

// True when this point is the armed one.
bool hit() noexcept {
    const std::uint64_t n = ++passed;
    if (armedAt.load(std::memory_order_relaxed) != n) return false;
    if (armedKind.load() == Kind::Crash) ::_exit(kCrashExit);
    return true;
}

}  // namespace

void arm(Kind kind, std::uint64_t n) {
    armedKind = kind;
    passed = 0;
    armedAt = n;
}

void disarm() {
    arm(Kind::Crash, 0);
}

std::uint64_t pointsPassed() {
    return passed;
}

void point(const std::string& path) {
    if (hit()) throw OperationError::fromErrno(ENOSPC, path);
}

bool passes(const std::string& /*path*/) noexcept {
    return !hit();
}

}  // namespace qbk::fault
