// make_book FOLDER [ENTRIES] [NEWEST-YYYY-MM-DD] [--years N] [--settings]: writes a
// deterministic sample book, making FOLDER (and its parents) when missing; with --years
// its entries spread over N years back from the newest day instead of about a dozen a
// day; with --settings also a settings file with the defaults (so that a program started
// in that folder shows no first-start notice).
// make_book FOLDER --demo [NEWEST-YYYY-MM-DD]: the small household book of the README's
// pictures, with its settings.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "book_generator.h"
#include "demo_book.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "store/settings_record.h"

namespace {

bool readDate(const char* text, qbk::DaySerial& day) {
    int y = 0, m = 0, d = 0;
    if (std::sscanf(text, "%d-%d-%d", &y, &m, &d) != 3 || !qbk::isValidDate(y, m, d)) {
        std::fprintf(stderr, "make_book: not a date: %s\n", text);
        return false;
    }
    day = qbk::serialFromDate(y, m, d);
    return true;
}

bool makeFolder(const char* folder) {
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made || !qbk::folderExists(folder)) {
        std::fprintf(stderr, "make_book: cannot make the folder %s: %s\n", folder,
                     made ? made.message().c_str() : "it is not a folder");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[2]) == "--demo") {
        qbk::DaySerial newest = qbk::bench::BookOptions().newest;
        if (argc > 4 || (argc == 4 && !readDate(argv[3], newest))) return 2;
        if (!makeFolder(argv[1])) return 1;
        try {
            qbk::bench::writeDemoBook(argv[1], newest);
        } catch (const qbk::OperationError& e) {
            std::fprintf(stderr, "make_book: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    bool settings = false;
    qbk::bench::BookOptions options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--settings") {
            settings = true;
        } else if (arg == "--years" && i + 1 < argc) {
            options.years = std::strtod(argv[++i], nullptr);
            if (!(options.years > 0)) positional.assign(4, "");  // reported as a usage error
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty() || positional.size() > 3) {
        std::fprintf(stderr,
                     "usage: make_book FOLDER [ENTRIES] [NEWEST-YYYY-MM-DD] [--years N] "
                     "[--settings]\n"
                     "       make_book FOLDER --demo [NEWEST-YYYY-MM-DD]\n");
        return 2;
    }
    if (positional.size() >= 2) options.entries = std::strtoul(positional[1].c_str(), nullptr, 10);
    if (positional.size() >= 3 && !readDate(positional[2].c_str(), options.newest)) return 2;
    const char* folder = positional[0].c_str();
    if (!makeFolder(folder)) return 1;
    try {
        qbk::bench::writeBook(folder, options);
        if (settings)
            qbk::writeFileAtomically(qbk::joinPath(folder, "qbk3.ini"),
                                     qbk::SettingsRecord::defaults().bytes());
    } catch (const qbk::OperationError& e) {
        std::fprintf(stderr, "make_book: %s\n", e.what());
        return 1;
    }
    return 0;
}
