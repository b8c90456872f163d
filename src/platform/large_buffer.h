// Buffers the size of a whole book. Their memory is asked for in 2 MiB pages where the
// system allows it: a 125 MB buffer in 4 KiB pages costs 30,000 page faults, which on
// some virtual machines take longer than reading the file that fills it.
#ifndef QBK_PLATFORM_LARGE_BUFFER_H_
#define QBK_PLATFORM_LARGE_BUFFER_H_

#include <cstddef>
#include <string>

namespace qbk {

// Buffers below this size are left to the ordinary allocator.
inline constexpr std::size_t kLargeBufferSize = std::size_t{4} << 20;

// Makes room for at least `capacity` bytes in `buffer` (as std::string::reserve), keeping
// its content; the room not yet written is asked for in large pages.
void reserveLarge(std::string& buffer, std::size_t capacity);

// `size` zero bytes, their memory asked for in large pages.
std::string largeBuffer(std::size_t size);

}  // namespace qbk

#endif  // QBK_PLATFORM_LARGE_BUFFER_H_
