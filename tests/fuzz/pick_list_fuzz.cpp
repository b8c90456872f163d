// A pick list of any bytes: its lines read back as written in either form; a value
// already there is not added again and the file stays as it was; a new value is added
// at the end in Windows-1252 with every other line kept (as Windows-1252 holds it), and
// removing it again leaves those lines.
#include "fuzz/fuzz_support.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/pick_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const std::size_t pick = in.byte();
    const std::string bytes(in.rest());
    const std::string path = fuzz::scratchFolder() + "udf1.dat";
    fuzz::writeBytes(path, bytes);

    const std::vector<std::string> lines = readPickList(path);
    FUZZ_CHECK(lines == splitLines(isValidUtf8(bytes) ? bytes : fromWindows1252(bytes)));

    // A value of the list (as the program writes them, at most 10 characters) is found
    // again, also with other blanks around it.
    if (!lines.empty()) {
        const std::string known(trimBlanks(lines[pick % lines.size()]));
        if (!known.empty() && charCount(known) < kPickListValueWidth) {
            FUZZ_CHECK(!rememberPickListValue(path, " " + known + std::string(20, ' ')));
            FUZZ_CHECK(fuzz::readBytes(path) == bytes);
        }
    }

    const std::string value = "new \xC3\xA9\xE2\x82\xAC value";  // "new é€ value"
    bool present = false;
    for (const std::string& line : lines)
        present = present || trimBlanks(line) == "new é€ val";
    if (present) return 0;
    FUZZ_CHECK(rememberPickListValue(path, value));
    const std::string written = fuzz::readBytes(path);
    std::string expected;
    for (const std::string& line : lines)
        expected += toWindows1252(line) + "\r\n";
    expected += "new \xE9\x80 val\r\n";
    FUZZ_CHECK(written == expected);
    std::vector<std::string> grown;
    for (const std::string& line : lines)
        grown.push_back(fromWindows1252(toWindows1252(line)));
    grown.push_back(leftChars(value, kPickListValueWidth));
    FUZZ_CHECK(readPickList(path) == grown);
    FUZZ_CHECK(removePickListValue(path, leftChars(value, kPickListValueWidth)) == 1);
    FUZZ_CHECK(fuzz::readBytes(path) == expected.substr(0, expected.size() - 12));
    return 0;
}
