// A budget file of any bytes: refused with a type mismatch, or read into lines that
// write back to bytes reading as the same lines; a file the program wrote reads back
// byte for byte, and an amount set for a month and code reads back where it belongs.
#include "fuzz/fuzz_support.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "store/budget_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const int month = in.byte() % 12 + 1;
    const std::int64_t raw = static_cast<std::int8_t>(in.byte()) * 12345;
    const std::string bytes(in.rest());
    const std::string path = fuzz::scratchFolder() + "budget.txt";
    fuzz::writeBytes(path, bytes);

    Budget budget;
    try {
        budget = readBudget(path);
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.number() == errnum::kTypeMismatch);
        FUZZ_CHECK(fuzz::readBytes(path) == bytes);
        return 0;
    }
    writeBudget(path, budget);
    const std::string written = fuzz::readBytes(path);
    FUZZ_CHECK(written == budgetFileBytes(budget));
    FUZZ_CHECK(readBudget(path) == budget);

    setBudgetAmount(budget, {2026, month}, "FUZZ", Money::fromRaw(raw));
    writeBudget(path, budget);
    const Budget again = readBudget(path);
    FUZZ_CHECK(again == budget);
    FUZZ_CHECK(budgetAmount(again, {2026, month}, "FUZZ") == Money::fromRaw(raw));
    return 0;
}
