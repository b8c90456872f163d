#include "import/statement.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/windows1252.h"

namespace qbk {

std::optional<Money> parseStatementAmount(std::string_view text) {
    std::string_view t = trimBlanks(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || t.find_first_not_of("0123456789.,") != std::string_view::npos)
        return std::nullopt;
    const std::size_t lastDot = t.rfind('.'), lastComma = t.rfind(',');
    const std::size_t dots = static_cast<std::size_t>(std::count(t.begin(), t.end(), '.'));
    const std::size_t commas = static_cast<std::size_t>(std::count(t.begin(), t.end(), ','));
    // The decimal mark, if any: the later of two kinds, or a single mark of one kind
    // that does not stand before exactly three digits (a single "." always is one).
    std::size_t decimal = std::string_view::npos;
    if (dots > 0 && commas > 0) {
        decimal = std::max(lastDot, lastComma);
        if ((decimal == lastDot ? dots : commas) > 1) return std::nullopt;
    } else if (dots == 1) {
        decimal = lastDot;
    } else if (commas == 1 && t.size() - lastComma - 1 != 3) {
        decimal = lastComma;
    }
    std::string plain = negative ? "-" : "";
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i == decimal) {
            plain += '.';
        } else if (t[i] == '.' || t[i] == ',') {
            // A group separator follows a digit and comes before exactly three digits.
            const std::size_t digitsAfter = t.find_first_of(".,", i + 1);
            const std::size_t end = digitsAfter == std::string_view::npos ? t.size() : digitsAfter;
            if (i == 0 || end - i - 1 != 3) return std::nullopt;
        } else {
            plain += t[i];
        }
    }
    return Money::parseDecimal(plain);
}

std::string statementNote(const StatementTransaction& t) {
    if (t.memo.empty() || t.memo == t.payee) return t.payee;
    if (t.payee.empty()) return t.memo;
    return t.payee + " - " + t.memo;
}

void failStatement(std::string_view kind, std::size_t line, std::string_view what) {
    throw OperationError(errnum::kTypeMismatch, "Damaged " + std::string(kind) + " file, line " +
                                                    std::to_string(line) + ": " +
                                                    std::string(what));
}

std::vector<std::string> statementAccounts(const Statement& statement) {
    std::vector<std::string> accounts;
    for (const StatementTransaction& t : statement) {
        const std::size_t colon = t.id.find(':');
        if (colon == std::string::npos || colon == 0) continue;
        std::string account = t.id.substr(0, colon);
        if (std::find(accounts.begin(), accounts.end(), account) == accounts.end())
            accounts.push_back(std::move(account));
    }
    return accounts;
}

std::string severalAccountsText(const std::vector<std::string>& accounts) {
    if (accounts.size() < 2) return {};
    std::string text = std::to_string(accounts.size()) + " accounts in this file: ";
    for (std::size_t i = 0; i < accounts.size(); ++i)
        text += (i == 0 ? "" : ", ") + accounts[i];
    return text + ".";
}

}  // namespace qbk
