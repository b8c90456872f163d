#include "store/opening_balance.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/amount.h"
#include "store/book_files.h"

namespace qbk {
namespace {

std::string pathIn(const std::string& dataFolder) {
    return withTrailingSlash(dataFolder) + std::string(kOpeningBalanceFileName);
}

std::string_view withoutLineEnd(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

Money readOpeningBalance(const std::string& dataFolder) {
    const std::string path = pathIn(dataFolder);
    if (!fileExists(path)) return {};
    const std::string text = readFile(path);
    if (const std::optional<Money> balance = Money::parseDecimal(trimBlanks(withoutLineEnd(text))))
        return *balance;
    throw OperationError(errnum::kTypeMismatch,
                         path + " holds no amount (a number like -12.50 on one line)");
}

void writeOpeningBalance(const std::string& dataFolder, Money balance) {
    writeFileAtomically(pathIn(dataFolder), decimalAmountText(balance) + "\n");
}

}  // namespace qbk
