// make_book FOLDER [ENTRIES] [NEWEST-YYYY-MM-DD] [--settings]: writes a deterministic
// sample book, making FOLDER (and its parents) when missing; with --settings also a settings file
// with the defaults (so that a program started in that folder shows no first-start notice).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "book_generator.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "store/settings_record.h"

int main(int argc, char** argv) {
    bool settings = false;
    if (argc > 1 && std::string(argv[argc - 1]) == "--settings") {
        settings = true;
        --argc;
    }
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr,
                     "usage: make_book FOLDER [ENTRIES] [NEWEST-YYYY-MM-DD] [--settings]\n");
        return 2;
    }
    qbk::bench::BookOptions options;
    if (argc >= 3) options.entries = std::strtoul(argv[2], nullptr, 10);
    if (argc >= 4) {
        int y = 0, m = 0, d = 0;
        if (std::sscanf(argv[3], "%d-%d-%d", &y, &m, &d) != 3 || !qbk::isValidDate(y, m, d)) {
            std::fprintf(stderr, "make_book: not a date: %s\n", argv[3]);
            return 2;
        }
        options.newest = qbk::serialFromDate(y, m, d);
    }
    std::error_code made;
    std::filesystem::create_directories(argv[1], made);
    if (made || !qbk::folderExists(argv[1])) {
        std::fprintf(stderr, "make_book: cannot make the folder %s: %s\n", argv[1],
                     made ? made.message().c_str() : "it is not a folder");
        return 1;
    }
    try {
        qbk::bench::writeBook(argv[1], options);
        if (settings)
            qbk::writeFileAtomically(qbk::joinPath(argv[1], "qbk3.ini"),
                                     qbk::SettingsRecord::defaults().bytes());
    } catch (const qbk::OperationError& e) {
        std::fprintf(stderr, "make_book: %s\n", e.what());
        return 1;
    }
    return 0;
}
