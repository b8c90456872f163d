// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#ifndef QBK_TESTS_SUPPORT_TEMP_FOLDER_H_
#define QBK_TESTS_SUPPORT_TEMP_FOLDER_H_

#include <utime.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qbk::testing {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qbk-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/".
    std::string path() const { return path_ + "/"; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
    // The names in the folder, sorted: what a command left behind.
    // The names of the files, without the book lock and the undo history every writer
    // keeps beside a book.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& e : std::filesystem::directory_iterator(path_)) {
            const std::string name = e.path().filename().string();
            if (name != "quillbank.lock" && name != ".quillbank-undo") found.push_back(name);
        }
        std::sort(found.begin(), found.end());
        return found;
    }

  private:
    std::string path_;
};

// Sets the last-modified time of `path` to a local date and time; false when it cannot.
inline bool setModified(const std::string& path, int y, int mo, int d, int h, int mi, int s) {
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = s;
    tm.tm_isdst = -1;
    const utimbuf times{std::mktime(&tm), std::mktime(&tm)};
    return ::utime(path.c_str(), &times) == 0;
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_TEMP_FOLDER_H_
