#include "import/ofx_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

constexpr std::string_view kKind = "OFX";
constexpr std::string_view kWhitespace = " \t\r\n";

std::string_view trimWhitespace(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kWhitespace) + 1 - first);
}

bool allDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) {
    int n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The text of a data element with its character entities replaced. Banks also write a
// bare "&" (AT&T); anything that is not a known entity stays as it stands.
std::string decodeEntities(std::string_view s) {
    if (s.find('&') == std::string_view::npos) return std::string(s);
    static constexpr std::pair<std::string_view, std::string_view> kNamed[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "}};
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t amp = s.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(s.substr(i));
            break;
        }
        out.append(s.substr(i, amp - i));
        // A bare "&" stands for itself; entities after it are still replaced.
        const std::size_t length = s.substr(amp, 11).find(';');
        if (length == std::string_view::npos) {
            out += '&';
            i = amp + 1;
            continue;
        }
        const std::size_t semi = amp + length;
        const std::string_view name = s.substr(amp + 1, semi - amp - 1);
        bool known = false;
        for (const auto& [entity, text] : kNamed) {
            if (name == entity) {
                out.append(text);
                known = true;
            }
        }
        if (!known && name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            std::uint32_t cp = 0;
            bool ok = !digits.empty() && digits.size() <= 6;
            for (const char c : digits) {
                int d = c >= '0' && c <= '9' ? c - '0' : -1;
                if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
                if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
                if (d < 0 || d >= (hex ? 16 : 10)) ok = false;
                cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d < 0 ? 0 : d);
            }
            if (ok && cp > 0 && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF)) {
                appendUtf8(out, cp);
                known = true;
            }
        }
        if (!known) out.append(s.substr(amp, semi + 1 - amp));
        i = semi + 1;
    }
    return out;
}

// A text of a transaction: the element's text decoded, without the blanks an entity
// such as "&nbsp;" put around it. (Ids stay as decoded: they are compared as stored.)
std::string textOf(std::string_view value) {
    return std::string(trimBlanks(decodeEntities(value)));
}

// YYYYMMDD, then optionally HHMM or HHMMSS, ".XXX" and "[offset:zone]".
std::optional<DaySerial> ofxDate(std::string_view s) {
    if (s.size() < 8 || !allDigits(s.substr(0, 8))) return std::nullopt;
    const int year = number(s.substr(0, 4)), month = number(s.substr(4, 2)),
              day = number(s.substr(6, 2));
    if (!isValidDate(year, month, day)) return std::nullopt;
    std::string_view rest = s.substr(8);
    const std::size_t timeDigits = std::min(rest.find_first_not_of("0123456789"), rest.size());
    const std::string_view time = rest.substr(0, timeDigits);
    if (!(time.empty() || time.size() == 4 || time.size() == 6)) return std::nullopt;
    if (!time.empty() && (number(time.substr(0, 2)) > 23 || number(time.substr(2, 2)) > 59 ||
                          (time.size() == 6 && number(time.substr(4, 2)) > 60)))
        return std::nullopt;
    rest.remove_prefix(timeDigits);
    if (!time.empty() && rest.starts_with('.')) {
        const std::size_t fraction = std::min(rest.find_first_not_of("0123456789", 1), rest.size());
        if (fraction == 1) return std::nullopt;
        rest.remove_prefix(fraction);
    }
    if (rest.starts_with('[')) {
        if (!rest.ends_with(']')) return std::nullopt;
        const std::string_view zone = rest.substr(1, rest.size() - 2);
        const std::size_t colon = std::min(zone.find(':'), zone.size());
        std::string_view offset = zone.substr(0, colon);
        if (offset.starts_with('+') || offset.starts_with('-')) offset.remove_prefix(1);
        const std::size_t point = offset.find('.');
        if (offset.empty() || !allDigits(offset.substr(0, point)) ||
            (point != std::string_view::npos && !allDigits(offset.substr(point + 1))))
            return std::nullopt;
        rest = {};
    }
    if (!rest.empty()) return std::nullopt;
    return serialFromDate(year, month, day);
}

struct OpenElement {
    std::string_view name;
    std::size_t line;
};

class OfxParser {
  public:
    explicit OfxParser(std::string_view text) : text_(text) {}

    // Buys, sells, reinvestments and the other transactions of securities read so far.
    std::size_t investments() const { return investments_; }

    Statement parse() {
        pos_ = bodyStart();
        while (true) {
            const std::size_t lt = text_.find('<', pos_);
            if (lt == std::string_view::npos) break;
            if (text_.substr(lt).starts_with("<!--")) {
                const std::size_t end = text_.find("-->", lt);
                if (end == std::string_view::npos) fail(lt, "a comment is not closed");
                pos_ = end + 3;
                continue;
            }
            const std::size_t gt = text_.find('>', lt);
            if (gt == std::string_view::npos) fail(lt, "a tag is not closed");
            const std::string_view tag = trimWhitespace(text_.substr(lt + 1, gt - lt - 1));
            pos_ = gt + 1;
            if (tag.starts_with('?') || tag.starts_with('!')) continue;
            if (tag.starts_with('/')) {
                endTag(trimWhitespace(tag.substr(1)), lt);
            } else if (tag.ends_with('/')) {
                data(trimWhitespace(tag.substr(0, tag.size() - 1)), "", lt);
            } else {
                startTag(tag, lt);
            }
        }
        if (!sawOfx_) fail(0, "no <OFX> element: the file is not an OFX statement");
        if (!open_.empty()) {
            const auto transaction = std::find_if(
                open_.begin(), open_.end(), [](const auto& e) { return e.name == "STMTTRN"; });
            const OpenElement& cut = transaction != open_.end() ? *transaction : open_.front();
            failAtLine(cut.line,
                       "the file ends before </" + std::string(cut.name) + ">: it is cut short");
        }
        return std::move(statement_);
    }

  private:
    // Where the elements begin: after the NAME:VALUE header of version 1, or at the
    // first "<" of version 2 (its header is a processing instruction).
    std::size_t bodyStart() {
        const std::size_t first = text_.find_first_not_of(kWhitespace);
        if (first != std::string_view::npos && text_.substr(first).starts_with("OFXHEADER")) {
            const std::size_t lt = text_.find('<', first);
            return lt == std::string_view::npos ? text_.size() : lt;
        }
        if (first == std::string_view::npos || text_[first] != '<')
            failAtLine(lineAt(first == std::string_view::npos ? 0 : first),
                       "the file begins with neither an OFX header nor an OFX element");
        return first;
    }

    void startTag(std::string_view name, std::size_t at) {
        // A value in a CDATA section ("<NAME><![CDATA[Smith & Co]]>") is taken as it
        // stands, entities and "<" included.
        const std::size_t valueAt = text_.find_first_not_of(kWhitespace, pos_);
        if (valueAt != std::string_view::npos && text_.substr(valueAt).starts_with("<![CDATA[")) {
            const std::size_t from = valueAt + 9;
            const std::size_t end = text_.find("]]>", from);
            if (end == std::string_view::npos)
                failAtLine(lineAt(valueAt),
                           "a CDATA section of <" + std::string(name) + "> has no end");
            cdata_ = true;
            data(name, text_.substr(from, end - from), at);
            cdata_ = false;
            pos_ = end + 3;
            const std::size_t after = text_.find_first_not_of(kWhitespace, pos_);
            if (after != std::string_view::npos && closes(after, name))
                pos_ = text_.find('>', after) + 1;
            return;
        }
        const std::size_t next = text_.find('<', pos_);
        const std::string_view raw =
            text_.substr(pos_, (next == std::string_view::npos ? text_.size() : next) - pos_);
        const std::string_view value = trimWhitespace(raw);
        const bool closedAtOnce = next != std::string_view::npos && closes(next, name);
        if (!value.empty() || closedAtOnce) {
            data(name, value, at);
            pos_ = next == std::string_view::npos ? text_.size() : next;
            if (closedAtOnce) pos_ = text_.find('>', next) + 1;
            return;
        }
        // An element with no text of its own holds others (or is an empty data element
        // of version 1, which the end tag of its aggregate closes with it).
        // Transactions do not nest: one that begins inside another would leave the
        // outer one without its own date, amount and id.
        if (name == "STMTTRN" && inTransaction_)
            failAtLine(lineAt(at), "<STMTTRN> begins inside the <STMTTRN> of line " +
                                       std::to_string(statement_.back().line));
        open_.push_back({name, lineAt(at)});
        if (name == "OFX") sawOfx_ = true;
        if (open_.size() >= 2 && open_[open_.size() - 2].name == "INVTRANLIST" &&
            name != "INVBANKTRAN")
            ++investments_;
        if (name == "STMTTRN") {
            statement_.emplace_back();
            statement_.back().line = open_.back().line;
            inTransaction_ = true;
            hasDate_ = hasAmount_ = false;
            fitId_.clear();
            type_.clear();
            checkNumber_.clear();
        }
    }

    bool closes(std::size_t lt, std::string_view name) const {
        const std::string_view rest = text_.substr(lt);
        if (!rest.starts_with("</")) return false;
        const std::size_t gt = rest.find('>');
        return gt != std::string_view::npos && trimWhitespace(rest.substr(2, gt - 2)) == name;
    }

    void endTag(std::string_view name, std::size_t at) {
        const auto it = std::find_if(open_.rbegin(), open_.rend(),
                                     [&](const OpenElement& e) { return e.name == name; });
        if (it == open_.rend())
            failAtLine(lineAt(at), "</" + std::string(name) + "> closes no open element");
        const std::size_t keep = static_cast<std::size_t>(open_.rend() - it) - 1;
        while (open_.size() > keep) {
            if (open_.back().name == "STMTTRN") finishTransaction();
            if (open_.back().name == "STATUS") checkStatus();
            open_.pop_back();
        }
    }

    // A bank that refuses the request (a wrong password, an account it does not know)
    // answers with a status of severity ERROR and no transactions.
    void checkStatus() {
        if (statusSeverity_ == "ERROR")
            throw OperationError(errnum::kTypeMismatch,
                                 "The bank answered with an error (code " + statusCode_ +
                                     (statusMessage_.empty() ? ")" : "): " + statusMessage_));
        statusCode_.clear();
        statusSeverity_.clear();
        statusMessage_.clear();
    }

    void data(std::string_view name, std::string_view value, std::size_t at) {
        if (!open_.empty() && open_.back().name == "STATUS") {
            if (name == "CODE") statusCode_ = textOf(value);
            if (name == "SEVERITY") statusSeverity_ = textOf(value);
            if (name == "MESSAGE") statusMessage_ = textOf(value);
            return;
        }
        if (!inTransaction_) {
            if (!open_.empty() && open_.back().name == "LEDGERBAL") {
                if (name == "BALAMT") balanceAmount_ = parseStatementAmount(value);
                if (name == "DTASOF") balanceDate_ = ofxDate(value);
                return;
            }
            if (name == "ACCTID" && !open_.empty() &&
                (open_.back().name == "BANKACCTFROM" || open_.back().name == "CCACCTFROM" ||
                 open_.back().name == "INVACCTFROM"))
                account_ = decodeEntities(value);
            return;
        }
        StatementTransaction& t = statement_.back();
        if (name == "DTPOSTED") {
            const std::optional<DaySerial> day = ofxDate(value);
            if (!day) notA(at, name, value, "date");
            t.date = *day;
            hasDate_ = true;
        } else if (name == "TRNAMT") {
            const std::optional<Money> amount = parseStatementAmount(value);
            if (!amount) notA(at, name, value, "amount");
            t.amount = *amount;
            hasAmount_ = true;
        } else if (name == "FITID") {
            fitId_ = decodeEntities(value);
        } else if (name == "TRNTYPE") {
            type_ = textOf(value);
        } else if (name == "CHECKNUM") {
            checkNumber_ = textOf(value);
        } else if (name == "NAME") {
            if (t.payee.empty()) t.payee = cdata_ ? std::string(trimBlanks(value)) : textOf(value);
        } else if (name == "MEMO") {
            t.memo = cdata_ ? std::string(trimBlanks(value)) : textOf(value);
        }
    }

    void finishTransaction() {
        StatementTransaction& t = statement_.back();
        if (!hasDate_) failAtLine(t.line, "<STMTTRN> has no <DTPOSTED> date");
        if (!hasAmount_) failAtLine(t.line, "<STMTTRN> has no <TRNAMT> amount");
        t.number = checkNumber_.empty() ? type_ : checkNumber_;
        // Some banks write a FITID of zeros on every line: it identifies nothing.
        if (fitId_.find_first_not_of('0') != std::string::npos) t.id = account_ + ":" + fitId_;
        inTransaction_ = false;
    }

    [[noreturn]] void notA(std::size_t at, std::string_view name, std::string_view value,
                           std::string_view what) {
        failAtLine(lineAt(at), "<" + std::string(name) + "> \"" + std::string(value) +
                                   "\" is not a" + (what == "amount" ? "n " : " ") +
                                   std::string(what));
    }
    [[noreturn]] void fail(std::size_t at, const std::string& what) {
        failAtLine(lineAt(at), what);
    }
    [[noreturn]] void failAtLine(std::size_t line, const std::string& what) {
        failStatement(kKind, line, what);
    }

    // The line of position `at`; positions only move forward between calls, so the
    // lines are counted once.
    std::size_t lineAt(std::size_t at) {
        if (at >= countedTo_) {
            line_ += static_cast<std::size_t>(
                std::count(text_.begin() + static_cast<std::ptrdiff_t>(countedTo_),
                           text_.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
            countedTo_ = at;
            return line_;
        }
        return static_cast<std::size_t>(std::count(
                   text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(at), '\n')) +
               1;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1, countedTo_ = 0;
    std::vector<OpenElement> open_;
    bool sawOfx_ = false;
    Statement statement_;
    std::string account_;
    bool inTransaction_ = false, hasDate_ = false, hasAmount_ = false;
    std::string fitId_, type_, checkNumber_;
    std::string statusCode_, statusSeverity_, statusMessage_;
    bool cdata_ = false;           // the value being read is a CDATA section
    std::size_t investments_ = 0;  // transactions of securities
    std::optional<Money> balanceAmount_;
    std::optional<DaySerial> balanceDate_;

  public:
    std::optional<StatementBalance> ledgerBalance() const {
        if (!balanceAmount_ || !balanceDate_) return std::nullopt;
        return StatementBalance{*balanceAmount_, *balanceDate_};
    }
};

}  // namespace

Statement readOfx(std::string_view text, std::size_t* investments,
                  std::optional<StatementBalance>* ledgerBalance) {
    OfxParser parser(text);
    Statement statement = parser.parse();
    if (investments) *investments = parser.investments();
    if (ledgerBalance) *ledgerBalance = parser.ledgerBalance();
    return statement;
}

}  // namespace qbk
