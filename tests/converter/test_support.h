// Shared helpers of the converter tests: temporary folders, files, a clock that shows
// what it is told, scripted message boxes, and records built byte by byte.
#ifndef QBK_TESTS_CONVERTER_TEST_SUPPORT_H_
#define QBK_TESTS_CONVERTER_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "converter/progress.h"
#include "platform/clock.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "support/fake_ports.h"

namespace qbk::converter::testing {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk2to3-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        path_ += '/';
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    // With "/" at the end.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// A clock that shows what it is told.
using FixedClock = qbk::ManualClock;
// Records every message; questions take their answers from `answers`.
using qbk::testing::ScriptedPrompts;

inline std::vector<std::string> texts(const ScriptedPrompts& prompts) {
    std::vector<std::string> t;
    for (const auto& m : prompts.messages)
        t.push_back(m.text);
    return t;
}

// Little-endian bytes of a 64-bit integer.
inline std::string int64Bytes(std::int64_t value) {
    std::string b(8, '\0');
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF);
    return b;
}

inline std::string padded(const std::string& s, std::size_t width) {
    std::string p = s.substr(0, width);
    p.resize(width, ' ');
    return p;
}

// A version-2 entry record: date text 8, code 2, amount 8, note 40.
inline std::string v2Entry(const std::string& dateText, const std::string& code,
                           std::int64_t amount, const std::string& note) {
    return padded(dateText, 8) + padded(code, 2) + int64Bytes(amount) + padded(note, 40);
}

// A version-3 entry record as the ledger's store writes it; `code` and `note` are
// Windows-1252 bytes.
inline std::string v3Entry(double date, const std::string& code, std::int64_t amount,
                           const std::string& note, double stamp) {
    EntryRecord e;
    e.entryDate = date;
    e.categoryCode = fromWindows1252(code);
    e.amount = Money::fromRaw(amount);
    e.note = fromWindows1252(note);
    e.recordStamp = stamp;
    return encodeEntry(e);
}

inline std::string v3Category(const std::string& code, const std::string& name) {
    CategoryRecord c;
    c.catCode = fromWindows1252(code);
    c.catName = fromWindows1252(name);
    return encodeCategory(c);
}

// A version-2 category record: code 2, name 16.
inline std::string v2Category(const std::string& code, const std::string& name) {
    return padded(code, 2) + padded(name, 16);
}

}  // namespace qbk::converter::testing

#endif  // QBK_TESTS_CONVERTER_TEST_SUPPORT_H_
