// What the fuzz harnesses share: a failed property ends the run with its text (so that
// libFuzzer keeps the input), a scratch folder per process, and a reader that takes
// values from the front of the input.
#ifndef QBK_TESTS_FUZZ_FUZZ_SUPPORT_H_
#define QBK_TESTS_FUZZ_FUZZ_SUPPORT_H_

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace qbk::fuzz {

// A folder of this process, removed at its end; in memory when /dev/shm is there.
inline const std::string& scratchFolder() {
    // Never destroyed: the exit handler that removes the folder still needs the name.
    static const std::string* const folder = [] {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        auto* name = new std::string(std::string(base) + "/qbk-fuzz-XXXXXX");
        if (::mkdtemp(name->data()) == nullptr) std::abort();
        *name += '/';
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return name;
    }();
    return *folder;
}

inline void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Takes values from the front of the input; past its end every value is zero.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}
    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    template <typename T>
    T value() {
        T v{};
        char bytes[sizeof(T)] = {};
        const std::size_t n = rest_.size() < sizeof(T) ? rest_.size() : sizeof(T);
        std::memcpy(bytes, rest_.data(), n);
        rest_.remove_prefix(n);
        std::memcpy(&v, bytes, sizeof(T));
        return v;
    }
    // Up to `most` bytes.
    std::string_view bytes(std::size_t most) {
        const std::string_view taken = rest_.substr(0, most);
        rest_.remove_prefix(taken.size());
        return taken;
    }
    std::string_view rest() const { return rest_; }

  private:
    std::string_view rest_;
};

}  // namespace qbk::fuzz

#endif  // QBK_TESTS_FUZZ_FUZZ_SUPPORT_H_
