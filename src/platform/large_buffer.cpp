#include "platform/large_buffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace qbk {

void reserveLarge(std::string& buffer, std::size_t capacity) {
    if (capacity <= buffer.capacity()) return;
    buffer.reserve(capacity);
    if (capacity < kLargeBufferSize) return;
#ifdef MADV_HUGEPAGE
    // Only the whole pages past the content: advice is given per page, and the pages
    // already written keep what they have. Without large pages the advice fails harmlessly.
    constexpr std::uintptr_t kPage = 4096;
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data() + buffer.size());
    const auto end = reinterpret_cast<std::uintptr_t>(buffer.data() + buffer.capacity());
    const std::uintptr_t first = (begin + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t last = end & ~(kPage - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

std::string largeBuffer(std::size_t size) {
    std::string buffer;
    reserveLarge(buffer, size);
    buffer.resize(size);
    return buffer;
}

}  // namespace qbk
