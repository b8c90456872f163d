// Version-2 files of any bytes, converted as the command line converts them: an entry
// file goes over whole, every record under a date of its file's year with its amount,
// code and note, and with increasing stamps, or it adds nothing; the categories added
// are the file's own; a rerun adds the entries again (as the converter warns) and no
// category.
#include <filesystem>
#include <sstream>

#include "converter/headless.h"
#include "converter/version2_format.h"
#include "fuzz/fuzz_support.h"
#include "platform/regional.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/record_file.h"

namespace qbk {
namespace {

namespace v2 = converter::v2;

int convert(const std::string& folder) {
    static const ManualClock clock(45000, 100);
    const converter::HeadlessEnvironment env{clock, [] { return std::string("/nonexistent"); },
                                             RegionalSettings{}};
    std::ostringstream out, err;
    return converter::runHeadless({"--convert", folder + "old", "--into", folder + "book"}, env,
                                  out, err);
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const std::string categories(in.bytes(in.value<std::uint16_t>() % 2048));
    const std::string entries(in.rest());
    const std::string folder = fuzz::scratchFolder();
    std::filesystem::remove_all(folder + "old");
    std::filesystem::remove_all(folder + "book");
    std::filesystem::create_directory(folder + "old");
    std::filesystem::create_directory(folder + "book");
    fuzz::writeBytes(folder + "old/2000QBK.DAT", entries);
    fuzz::writeBytes(folder + "old/2000CATS.DAT", categories);

    const int exit = convert(folder);
    const std::string book = fuzz::readBytes(folder + "book/quillbank.dat");
    FUZZ_CHECK(book.size() % entry_layout::kSize == 0);

    const std::size_t count = v2::recordCount(entries.size(), v2::kEntrySize);
    bool datesRead = true;
    for (std::size_t r = 0; r < count && datesRead; ++r) {
        const v2::Entry old =
            v2::decodeEntry(std::string_view(entries).substr(r * v2::kEntrySize, v2::kEntrySize));
        const auto date =
            RegionalSettings{}.parseDate(old.DateText.substr(0, 6) + "2000", YearDigits::Four);
        datesRead = date.has_value();
        if (date) FUZZ_CHECK(isDate(*date) && yyyymmdd(*date).starts_with("2000"));
    }
    const std::size_t expected = datesRead ? count : 0;
    FUZZ_CHECK(book.size() == expected * entry_layout::kSize);
    double lastStamp = 0;
    for (std::size_t r = 0; r < expected; ++r) {
        const char* out = book.data() + r * entry_layout::kSize;
        const v2::Entry old =
            v2::decodeEntry(std::string_view(entries).substr(r * v2::kEntrySize, v2::kEntrySize));
        FUZZ_CHECK(entry_bytes::amount(out).raw() == old.Amount);
        FUZZ_CHECK(std::string_view(out + entry_layout::kCategoryCode, 10) ==
                   old.CategoryCode + "        ");
        FUZZ_CHECK(std::string_view(out + entry_layout::kNote, 60) ==
                   old.Note + std::string(20, ' '));
        FUZZ_CHECK(yyyymmdd(entry_bytes::entryDate(out)).starts_with("2000"));
        FUZZ_CHECK(entry_bytes::recordStamp(out) > lastStamp);
        lastStamp = entry_bytes::recordStamp(out);
    }

    const std::vector<CategoryRecord> added = readCategories(folder + "book/category.dat");
    FUZZ_CHECK(added.size() <= v2::recordCount(categories.size(), v2::kCategorySize));
    for (const CategoryRecord& c : added) {
        bool found = false;
        for (std::size_t at = 0; at < categories.size() && !found; at += v2::kCategorySize) {
            const v2::Category old =
                v2::decodeCategory(std::string_view(categories).substr(at, v2::kCategorySize));
            found = toWindows1252(c.catCode).starts_with(trimBlanks(old.CatCode));
        }
        FUZZ_CHECK(found);
    }

    FUZZ_CHECK(exit == (expected + added.size() > 0 ? converter::kExitConverted
                                                    : converter::kExitNothingConverted));

    // The book now holds the year's entries: a second run adds them again, as the
    // converter warns; it never adds a partial file.
    const int again = convert(folder);
    FUZZ_CHECK(again ==
               (expected > 0 ? converter::kExitConverted : converter::kExitNothingConverted));
    FUZZ_CHECK(readCategories(folder + "book/category.dat") == added);
    FUZZ_CHECK(fuzz::readBytes(folder + "book/quillbank.dat").size() == 2 * book.size());
    return 0;
}
