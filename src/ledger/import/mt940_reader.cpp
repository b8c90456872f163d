#include "import/mt940_reader.h"

#include <cctype>

#include "import/delimited_line.h"
#include "platform/dates.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

bool digits(std::string_view t, std::size_t from, std::size_t n) {
    if (t.size() < from + n) return false;
    for (std::size_t i = from; i < from + n; ++i)
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    return true;
}

int number(std::string_view t) {
    int v = 0;
    for (const char c : t)
        v = v * 10 + (c - '0');
    return v;
}

// :61: YYMMDD [MMDD] (C|D|RC|RD) [funds code] amount N|F|S + 3 characters, the
// customer's reference, "//" and the bank's.
void readStatementLine(std::string_view v, std::size_t line, std::string_view account,
                       StatementTransaction& t) {
    if (!digits(v, 0, 6))
        failStatement("MT940", line, "\":61:" + std::string(v) + "\" has no date");
    const int year = number(v.substr(0, 2));
    const std::optional<DaySerial> day =
        isValidDate(2000 + year, number(v.substr(2, 2)), number(v.substr(4, 2)))
            ? std::optional<DaySerial>(
                  serialFromDate(2000 + year, number(v.substr(2, 2)), number(v.substr(4, 2))))
            : std::nullopt;
    if (!day) failStatement("MT940", line, "\"" + std::string(v.substr(0, 6)) + "\" is not a date");
    t.date = *day;
    std::size_t i = digits(v, 6, 4) ? 10 : 6;
    bool negative = false;
    if (v.substr(i).starts_with("RC")) {
        negative = true;
        i += 2;
    } else if (v.substr(i).starts_with("RD")) {
        i += 2;
    } else if (i < v.size() && (v[i] == 'C' || v[i] == 'D')) {
        negative = v[i] == 'D';
        ++i;
    } else {
        failStatement("MT940", line, "\":61:" + std::string(v) + "\" has no C or D mark");
    }
    if (i < v.size() && std::isalpha(static_cast<unsigned char>(v[i]))) ++i;  // funds code
    const std::size_t end = v.find_first_not_of("0123456789,", i);
    const std::string_view figures = v.substr(i, end == std::string_view::npos ? end : end - i);
    const std::optional<Money> amount = Money::parseFigures(figures, DecimalMark::Comma, false);
    if (!amount) failStatement("MT940", line, "\"" + std::string(figures) + "\" is not an amount");
    t.amount = negative ? -*amount : *amount;
    std::string_view rest = end == std::string_view::npos ? "" : v.substr(end);
    if (rest.size() >= 4) {
        t.number = std::string(rest.substr(1, 3));
        rest.remove_prefix(4);
    }
    const std::size_t slashes = rest.find("//");
    std::string reference(trimBlanks(rest.substr(0, slashes)));
    const std::string bank =
        slashes == std::string_view::npos ? "" : std::string(trimBlanks(rest.substr(slashes + 2)));
    if (reference == "NONREF") reference.clear();
    if (!reference.empty() || !bank.empty())
        t.id = std::string(account) + ":" + reference + "/" + bank;
}

// :86: of the German form: ?20-?29 the purpose, ?32-?33 the payee; else all of it.
void readInformation(std::string_view text, StatementTransaction& t) {
    const std::size_t first = text.find('?');
    if (first == std::string_view::npos || !digits(text, first + 1, 2)) {
        t.memo = trimBlanks(text);
        return;
    }
    std::string purpose, payee;
    for (std::size_t at = first; at != std::string_view::npos && at + 3 <= text.size();) {
        const std::size_t next = text.find('?', at + 3);
        const int code = digits(text, at + 1, 2) ? number(text.substr(at + 1, 2)) : -1;
        const std::string_view value =
            text.substr(at + 3, next == std::string_view::npos ? next : next - at - 3);
        if (code >= 20 && code <= 29) purpose += std::string(value);
        if (code == 32 || code == 33) payee += std::string(value);
        at = next;
    }
    t.payee = trimBlanks(payee);
    t.memo = trimBlanks(purpose);
}

}  // namespace

Statement readMt940(std::string_view text) {
    Statement statement;
    std::string account;
    std::string tag, value;
    std::size_t tagLine = 0;
    const auto finish = [&] {
        if (tag == "25") account = trimBlanks(value);
        if (tag == "61") {
            StatementTransaction& t = statement.emplace_back();
            t.line = tagLine;
            readStatementLine(value, tagLine, account, t);
        }
        if (tag == "86" && !statement.empty() && statement.back().memo.empty() &&
            statement.back().payee.empty())
            readInformation(value, statement.back());
        tag.clear();
        value.clear();
    };
    std::size_t n = 0;
    for (const std::string_view raw : importLines(text)) {
        ++n;
        const std::string_view l = trimBlanks(raw);
        const std::size_t colon =
            l.size() > 1 && l[0] == ':' ? l.find(':', 1) : std::string_view::npos;
        if (colon != std::string_view::npos && colon <= 4) {
            finish();
            tag = l.substr(1, colon - 1);
            value = l.substr(colon + 1);
            tagLine = n;
        } else if (l == "-" || l.starts_with("{")) {
            finish();
        } else if (!tag.empty()) {
            // A continuation line; the :61: line's second line is the bank's own text.
            if (tag != "61") value += tag == "86" ? std::string(l) : " " + std::string(l);
        }
    }
    finish();
    if (statement.empty()) failStatement("MT940", n, "the file holds no :61: statement line");
    return statement;
}

}  // namespace qbk
