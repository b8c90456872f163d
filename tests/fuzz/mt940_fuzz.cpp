// MT940 text of any bytes: a statement reads whole, with every date a date and every
// id naming its account, or is refused with a type mismatch; and reading it twice gives
// the same transactions.
#include "fuzz/fuzz_support.h"
#include "import/delimited_line.h"
#include "import/mt940_reader.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    const std::string text =
        decodeImportBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        const Statement statement = readMt940(text);
        FUZZ_CHECK(!statement.empty());
        for (const StatementTransaction& t : statement) {
            FUZZ_CHECK(isDate(t.date));
            FUZZ_CHECK(t.id.empty() || t.id.find(':') != std::string::npos);
        }
        const Statement again = readMt940(text);
        FUZZ_CHECK(again.size() == statement.size());
        for (std::size_t i = 0; i < again.size(); ++i)
            FUZZ_CHECK(again[i].amount == statement[i].amount && again[i].id == statement[i].id);
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.number() == errnum::kTypeMismatch);
    }
    return 0;
}
