#include "import/qif_reader.h"

#include <algorithm>
#include <vector>

#include "import/delimited_line.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

constexpr std::string_view kKind = "QIF";

// A date as written, before the order of its first two parts is known.
struct RawDate {
    int first = 0, second = 0, year = 0;
    bool yearFirst = false;  // 2000-12-31, 20001231: month and day in that order
};

struct RawTransaction {
    StatementTransaction t;
    RawDate date;
    std::string_view dateLine;
    std::size_t dateLineNumber = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<RawDate> splitDate(std::string_view s) {
    s = trimBlanks(s);
    if (s.size() == 8 && std::all_of(s.begin(), s.end(), isDigit)) {
        auto n = [&](std::size_t at, std::size_t len) {
            int v = 0;
            for (const char c : s.substr(at, len))
                v = v * 10 + (c - '0');
            return v;
        };
        return RawDate{n(4, 2), n(6, 2), n(0, 4), true};
    }
    struct Part {
        int value = 0;
        std::size_t digits = 0;
    };
    std::vector<Part> parts;
    bool apostropheBeforeYear = false;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ')
            ++i;
        Part p;
        while (i < s.size() && isDigit(s[i]) && p.digits < 5) {
            p.value = p.value * 10 + (s[i++] - '0');
            ++p.digits;
        }
        if (p.digits == 0 || p.digits > 4 || parts.size() == 3) return std::nullopt;
        parts.push_back(p);
        const std::size_t sepStart = i;
        while (i < s.size() && std::string_view("/-.' ").find(s[i]) != std::string_view::npos)
            ++i;
        const std::string_view sep = s.substr(sepStart, i - sepStart);
        if (i < s.size() && sep.empty()) return std::nullopt;
        if (parts.size() == 2) apostropheBeforeYear = sep.find('\'') != std::string_view::npos;
    }
    if (parts.size() != 3) return std::nullopt;
    if (parts[0].digits == 4) return RawDate{parts[1].value, parts[2].value, parts[0].value, true};
    if (parts[0].digits > 2 || parts[1].digits > 2 || parts[2].digits == 3) return std::nullopt;
    int year = parts[2].value;
    if (parts[2].digits <= 2)
        year = apostropheBeforeYear ? 2000 + year : (year < 30 ? 2000 + year : 1900 + year);
    return RawDate{parts[0].value, parts[1].value, year, false};
}

class QifParser {
  public:
    explicit QifParser(std::string_view text) : lines_(importLines(text)) {}

    std::vector<RawTransaction> parse() {
        enum class Section { None, Transactions, Other } section = Section::None;
        for (std::size_t n = 1; n <= lines_.size(); ++n) {
            const std::string_view line = lines_[n - 1];
            if (trimBlanks(line).empty()) continue;
            if (line.front() == '!') {
                finishPending();
                const std::string header = ansiUpper(trimBlanks(line));
                if (header.starts_with("!OPTION:") || header.starts_with("!CLEAR:")) continue;
                if (header == "!TYPE:BANK" || header == "!TYPE:CASH" || header == "!TYPE:CCARD" ||
                    header == "!TYPE:OTH A" || header == "!TYPE:OTH L")
                    section = Section::Transactions;
                else if (header == "!TYPE:INVST")
                    failStatement(kKind, n,
                                  "investment transactions (!Type:Invst) are not a bank "
                                  "statement");
                else
                    section = Section::Other;
                continue;
            }
            if (section == Section::None)
                failStatement(kKind, n,
                              "the file does not begin with a !Type line (such as !Type:Bank)");
            if (section == Section::Other) continue;
            field(line, n);
        }
        finishPending();
        return std::move(transactions_);
    }

  private:
    void field(std::string_view line, std::size_t n) {
        const char code = line.front();
        const std::string_view value = trimBlanks(line.substr(1));
        if (code == '^') {
            finishPending();
            return;
        }
        if (!pending_) {
            pending_ = RawTransaction{};
            pending_->t.line = n;
        }
        RawTransaction& r = *pending_;
        switch (code) {
            case 'D': {
                const std::optional<RawDate> date = splitDate(value);
                if (!date) failStatement(kKind, n, "\"" + std::string(line) + "\" is not a date");
                r.date = *date;
                r.dateLine = line;
                r.dateLineNumber = n;
                break;
            }
            case 'T':
            case 'U': {
                // T is the amount; U repeats it (with more digits in newer files) and
                // stands in only when T is missing.
                if (code == 'U' && hasAmount_) break;
                const std::optional<Money> amount = parseStatementAmount(value);
                if (!amount)
                    failStatement(kKind, n, "\"" + std::string(line) + "\" is not an amount");
                r.t.amount = *amount;
                hasAmount_ = code == 'T' || hasAmount_;
                hasAnyAmount_ = true;
                break;
            }
            case 'P':
                r.t.payee = std::string(value);
                break;
            case 'M':
                r.t.memo = std::string(value);
                break;
            case 'L':
                r.t.category = std::string(value);
                break;
            case 'N':
                r.t.number = std::string(value);
                break;
            default:
                break;  // cleared mark, address, splits and the like
        }
    }

    void finishPending() {
        if (!pending_) return;
        if (pending_->dateLineNumber == 0)
            failStatement(kKind, pending_->t.line, "a transaction without a date (no D line)");
        if (!hasAnyAmount_)
            failStatement(kKind, pending_->t.line, "a transaction without an amount (no T line)");
        transactions_.push_back(std::move(*pending_));
        pending_.reset();
        hasAmount_ = hasAnyAmount_ = false;
    }

    std::vector<std::string_view> lines_;
    std::vector<RawTransaction> transactions_;
    std::optional<RawTransaction> pending_;
    bool hasAmount_ = false, hasAnyAmount_ = false;
};

struct OrderEvidence {
    const RawTransaction* dayFirst = nullptr;    // a first part above 12
    const RawTransaction* monthFirst = nullptr;  // a second part above 12
    const RawTransaction* eitherWay = nullptr;   // the first that reads both ways
};

OrderEvidence evidenceOf(const std::vector<RawTransaction>& raw) {
    OrderEvidence e;
    for (const RawTransaction& r : raw) {
        // A date with both parts above 12 fits neither order: it tells nothing, and is
        // refused as no date once the order is settled.
        if (r.date.yearFirst || (r.date.first > 12 && r.date.second > 12)) continue;
        if (r.date.first > 12 && !e.dayFirst) e.dayFirst = &r;
        if (r.date.second > 12 && !e.monthFirst) e.monthFirst = &r;
        if (r.date.first <= 12 && r.date.second <= 12 && r.date.first != r.date.second &&
            !e.eitherWay)
            e.eitherWay = &r;
    }
    if (e.dayFirst && e.monthFirst) {
        const bool dayLater = e.dayFirst->dateLineNumber > e.monthFirst->dateLineNumber;
        const RawTransaction& later = dayLater ? *e.dayFirst : *e.monthFirst;
        const RawTransaction& earlier = dayLater ? *e.monthFirst : *e.dayFirst;
        failStatement(kKind, later.dateLineNumber,
                      "\"" + std::string(later.dateLine) + "\" puts the " +
                          (dayLater ? "day" : "month") + " first, but line " +
                          std::to_string(earlier.dateLineNumber) + " puts the " +
                          (dayLater ? "month" : "day") + " first");
    }
    return e;
}

}  // namespace

QifStatement readQif(std::string_view text, std::optional<DateOrder> orderWhenAmbiguous) {
    std::vector<RawTransaction> raw = QifParser(text).parse();
    const OrderEvidence e = evidenceOf(raw);
    QifStatement result;
    if (!e.dayFirst && !e.monthFirst && e.eitherWay) {
        result.ambiguous = AmbiguousQifDate{
            e.eitherWay->dateLineNumber, std::string(trimBlanks(e.eitherWay->dateLine.substr(1)))};
        if (!orderWhenAmbiguous) return result;
    }
    const bool dayFirst =
        e.dayFirst || (!e.monthFirst && orderWhenAmbiguous == DateOrder::DayMonthYear);
    result.transactions.reserve(raw.size());
    for (RawTransaction& r : raw) {
        const RawDate& d = r.date;
        const int month = d.yearFirst || !dayFirst ? d.first : d.second;
        const int day = d.yearFirst || !dayFirst ? d.second : d.first;
        if (!isValidDate(d.year, month, day))
            failStatement(kKind, r.dateLineNumber,
                          "\"" + std::string(r.dateLine) + "\" is not a date");
        r.t.date = serialFromDate(d.year, month, day);
        result.transactions.push_back(std::move(r.t));
    }
    return result;
}

}  // namespace qbk
