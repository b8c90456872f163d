// A macro file of any bytes: it is refused exactly when it is not a whole number of
// records (or, for play-back, empty), and then nothing changes; played back, every live
// entry goes into the record file once, under the chosen day, with increasing stamps
// and its other bytes kept, while the book's own records keep their bytes and order.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "macros/macro_file.h"
#include "macros/macro_playback.h"
#include "platform/errors.h"
#include "store/record_file.h"

namespace qbk {
namespace {

constexpr std::size_t kRecord = entry_layout::kSize;

std::string bookBytes() {
    std::string bytes;
    for (const double date : {40000.0, 36526.0, 10.0}) {
        EntryRecord r;
        r.entryDate = date;
        r.categoryCode = "BOOK      ";
        r.recordStamp = date;
        bytes += encodeEntry(r);
    }
    return bytes;
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const DaySerial date = in.value<std::uint32_t>() % 2958466 + 0.5;
    const std::string macro(in.rest());
    const std::string macroPath = fuzz::scratchFolder() + "bills.qbk";
    const std::string bookPath = fuzz::scratchFolder() + "quillbank.dat";
    fuzz::writeBytes(macroPath, macro);
    const std::string book = bookBytes();
    fuzz::writeBytes(bookPath, book);

    const bool whole = macro.size() % kRecord == 0;
    FUZZ_CHECK(openMacroForEdit(macroPath).has_value() == !whole);
    FUZZ_CHECK(checkMacroForPlay(macroPath).has_value() == (!whole || macro.empty()));

    ManualClock clock(45000, 100);
    StampSource stamps(clock);
    SortKeyMemory memory;
    MacroPlayback played;
    try {
        played = playMacro(macroPath, bookPath, date, stamps, memory);
    } catch (const OperationError& e) {
        // Amounts whose sum would leave the range of money are refused, and nothing is
        // played.
        FUZZ_CHECK(e.number() == errnum::kOverflow && whole);
        FUZZ_CHECK(fuzz::readBytes(bookPath) == book && fuzz::readBytes(macroPath) == macro);
        return 0;
    }
    FUZZ_CHECK(fuzz::readBytes(macroPath) == macro);
    if (!whole || macro.empty()) {
        FUZZ_CHECK(played.refusal && played.played == 0 && fuzz::readBytes(bookPath) == book);
        return 0;
    }
    FUZZ_CHECK(!played.refusal && played.played + played.skipped == macro.size() / kRecord);

    // The book's records in their order, and the macro's live ones in theirs.
    const RecordFileContent after = readRecordFile(bookPath);
    FUZZ_CHECK(after.count() == 3 + played.played && after.partialTail.empty());
    std::string own;
    std::vector<std::string> added;
    for (std::size_t i = 1; i <= after.count(); ++i) {
        const std::string r(after.at(i), kRecord);
        // Stamps of the book's records lie below every stamp the clock gives.
        if (entry_bytes::recordStamp(r.data()) < 45000)
            own += r;
        else
            added.push_back(r);
    }
    FUZZ_CHECK(own == book);
    FUZZ_CHECK(added.size() == played.played);
    std::size_t next = 0;
    double lastStamp = 0;
    for (std::size_t at = 0; at < macro.size(); at += kRecord) {
        if (macro[at + entry_layout::kDeletedMark] == 'Y') continue;
        // Added records are found by their stamps, which follow the macro's order.
        const std::string* r = nullptr;
        double stamp = 0;
        for (const std::string& a : added) {
            const double s = entry_bytes::recordStamp(a.data());
            if (s > lastStamp && (r == nullptr || s < stamp)) r = &a, stamp = s;
        }
        FUZZ_CHECK(r != nullptr);
        lastStamp = stamp;
        ++next;
        FUZZ_CHECK(entry_bytes::entryDate(r->data()) == std::floor(date));
        FUZZ_CHECK(r->substr(8, 98) == macro.substr(at + 8, 98));
        FUZZ_CHECK(r->substr(114) == macro.substr(at + 114, 11));
    }
    FUZZ_CHECK(next == played.played);
    return 0;
}
