// Bank statements: the transactions that OFX/QFX and QIF files hold, in a form the
// import turns into entries, and the parts of those files that both readers share.
#ifndef QBK_IMPORT_STATEMENT_H_
#define QBK_IMPORT_STATEMENT_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dates.h"
#include "platform/money.h"

namespace qbk {

// One transaction of a statement. Texts are UTF-8, without surrounding blanks.
struct StatementTransaction {
    std::size_t line = 0;  // line of the file where it begins, from 1
    DaySerial date = 0;    // the day the bank wrote, never shifted by a time zone
    Money amount;          // > 0 money in, < 0 money out
    std::string payee;
    std::string memo;
    std::string number;    // the check number, else the kind of transaction
    std::string id;        // the bank's own id with its account ("account:id"), or empty
    std::string category;  // the category the file names (QIF), or empty
};

using Statement = std::vector<StatementTransaction>;

// The balance a statement gives for the end of its period (OFX LEDGERBAL): what the
// bank's books held on `date`, the balance a reconcile agrees with.
struct StatementBalance {
    Money amount;
    DaySerial date = 0;
};

// Reads an amount as banks write it: an optional sign, digits, and a decimal point or
// comma. Group separators are allowed when the other mark is the decimal one
// (1,234.56 and 1.234,56), or when they repeat or stand before three digits and no
// other mark (1,234 and 1.234.567); a single comma before one, two or four digits is
// a decimal comma (12,50). nullopt for anything else or beyond four decimals' range.
std::optional<Money> parseStatementAmount(std::string_view text);

// The note of a transaction: the payee and the memo ("payee - memo"), either alone
// when the other is empty or repeats it.
std::string statementNote(const StatementTransaction& t);

// The accounts a statement's transactions belong to, in the order they first appear:
// the account part of each id ("account:id"); transactions without an id name none.
std::vector<std::string> statementAccounts(const Statement& statement);

// "2 accounts in this file: DE12 3456, DE98 7654." for two accounts or more; "" for
// fewer.
std::string severalAccountsText(const std::vector<std::string>& accounts);

// Failure of a statement that does not read: type mismatch naming the line, such as
// "Damaged QIF file, line 7: "D13/45/2000" is not a date".
[[noreturn]] void failStatement(std::string_view kind, std::size_t line, std::string_view what);

}  // namespace qbk

#endif  // QBK_IMPORT_STATEMENT_H_
