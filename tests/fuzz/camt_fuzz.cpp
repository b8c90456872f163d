// camt text of any bytes: a statement reads whole, with every date a date, every
// amount a whole number of cents' worth at most four decimals and every id naming its
// account, or is refused with a type mismatch; reading it twice gives the same entries.
#include "fuzz/fuzz_support.h"
#include "import/camt_reader.h"
#include "import/delimited_line.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    const std::string text =
        decodeImportBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        const CamtStatement statement = readCamt(text);
        for (const StatementTransaction& t : statement.transactions) {
            FUZZ_CHECK(isDate(t.date));
            FUZZ_CHECK(t.id.empty() || t.id.find(':') != std::string::npos);
        }
        const CamtStatement again = readCamt(text);
        FUZZ_CHECK(again.transactions.size() == statement.transactions.size() &&
                   again.notBooked == statement.notBooked);
        for (std::size_t i = 0; i < again.transactions.size(); ++i)
            FUZZ_CHECK(again.transactions[i].amount == statement.transactions[i].amount &&
                       again.transactions[i].memo == statement.transactions[i].memo);
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.number() == errnum::kTypeMismatch);
    }
    return 0;
}
