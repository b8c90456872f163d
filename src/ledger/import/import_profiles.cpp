#include "import/import_profiles.h"

#include "import/amount_column.h"
#include "import/delimited_line.h"
#include "platform/book_lock.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

std::string escapeTabs(std::string_view text) {
    std::string out;
    for (const char c : text)
        out += c == '\t' ? std::string("\\t") : std::string(1, c);
    return out;
}

std::string unescapeTabs(std::string_view text) {
    std::string out(text);
    for (std::size_t at = out.find("\\t"); at != std::string::npos; at = out.find("\\t", at + 1))
        out.replace(at, 2, "\t");
    return out;
}

std::string numbers(const std::vector<std::size_t>& fields) {
    std::string out;
    for (const std::size_t k : fields)
        out += (out.empty() ? "" : ",") + std::to_string(k);
    return out;
}

std::string lineOf(const ImportProfile& p) {
    const DelimitedLayout& l = p.layout;
    std::string words;
    for (const std::string& w : l.debitWords)
        words += (words.empty() ? "" : ",") + w;
    const auto field = [](std::size_t k) { return k == 0 ? std::string() : std::to_string(k); };
    std::string line = escapeTabs(p.name) + "\t" + escapeTabs(p.header);
    const std::pair<const char*, std::string> values[] = {
        {"date", p.links.date},
        {"amount", p.links.amount},
        {"note", p.links.note},
        {"category", p.links.category},
        {"user1", p.links.user1},
        {"user2", p.links.user2},
        {"notes", numbers(l.noteFields)},
        {"separator", l.separator == ';'    ? "semicolon"
                      : l.separator == '\t' ? "tab"
                      : l.separator == ','  ? "comma"
                                            : ""},
        {"decimal", l.decimalMark ? std::string(decimalMarkName(*l.decimalMark)) : ""},
        {"dates", l.dateFormat ? std::string(dateFormatName(*l.dateFormat)) : ""},
        {"skiplines", std::to_string(l.skipLines)},
        {"header", l.skipHeader ? "1" : "0"},
        {"footer", std::to_string(l.skipFooter)},
        {"debit", field(l.debit)},
        {"credit", field(l.credit)},
        {"sign", field(l.sign)},
        {"debitwords", words},
        {"negate", l.negate ? "1" : "0"}};
    for (const auto& [key, value] : values)
        line += "\t" + std::string(key) + "=" + escapeTabs(value);
    return line;
}

std::size_t count(std::string_view v) {
    std::size_t n = 0;
    for (const char c : v) {
        if (c < '0' || c > '9' || n > 1000000) return 0;
        n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    return n;
}

std::optional<ImportProfile> profileOf(std::string_view line) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (parts.size() < 3 || parts[0].empty()) return std::nullopt;
    ImportProfile p;
    p.name = unescapeTabs(parts[0]);
    p.header = unescapeTabs(parts[1]);
    DelimitedLayout& l = p.layout;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        const std::size_t eq = parts[i].find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        const std::string_view key = parts[i].substr(0, eq);
        const std::string value = unescapeTabs(parts[i].substr(eq + 1));
        if (key == "date") p.links.date = value;
        if (key == "amount") p.links.amount = value;
        if (key == "note") p.links.note = value;
        if (key == "category") p.links.category = value;
        if (key == "user1") p.links.user1 = value;
        if (key == "user2") p.links.user2 = value;
        if (key == "notes")
            for (const std::string& n : listWords(value))
                l.noteFields.push_back(count(n));
        if (key == "separator")
            l.separator = value == "semicolon" ? ';'
                          : value == "tab"     ? '\t'
                          : value == "comma"   ? ','
                                               : 0;
        if (key == "decimal" && !value.empty())
            l.decimalMark = value == "comma" ? DecimalMark::Comma : DecimalMark::Point;
        if (key == "dates") l.dateFormat = dateFormatNamed(value);
        if (key == "skiplines") l.skipLines = count(value);
        if (key == "header") l.skipHeader = value == "1";
        if (key == "footer") l.skipFooter = count(value);
        if (key == "debit") l.debit = count(value);
        if (key == "credit") l.credit = count(value);
        if (key == "sign") l.sign = count(value);
        if (key == "debitwords") l.debitWords = listWords(value);
        if (key == "negate") l.negate = value == "1";
    }
    return p;
}

}  // namespace

std::vector<ImportProfile> readImportProfiles(const std::string& dataFolder) {
    std::vector<ImportProfile> profiles;
    const std::string path = joinPath(dataFolder, kImportProfilesFileName);
    if (!fileExists(path)) return profiles;
    const std::string text = readFile(path);
    for (const std::string_view line : importLines(text))
        if (auto p = profileOf(line)) profiles.push_back(std::move(*p));
    return profiles;
}

void saveImportProfile(const std::string& dataFolder, const ImportProfile& profile) {
    const BookLock lock(dataFolder);
    const std::string path = joinPath(dataFolder, kImportProfilesFileName);
    const std::string text = fileExists(path) ? readFile(path) : std::string();
    std::string out;
    bool replaced = false;
    for (const std::string_view line : importLines(text)) {
        const auto p = profileOf(line);
        if (p && p->name == profile.name) {
            if (!replaced) out += lineOf(profile) + "\n";
            replaced = true;
        } else {
            out += std::string(line) + "\n";
        }
    }
    if (!replaced) out += lineOf(profile) + "\n";
    writeFileAtomically(path, out);
}

std::string headerLineOf(const std::string& path, std::size_t skipLines) {
    std::string header;
    bool utf8 = true;
    forEachImportLine(path, [&](std::size_t number, std::string_view line) {
        if (number == skipLines + 1) {
            header = std::string(trimBlanks(line));
            utf8 = isValidUtf8(header);
        }
    });
    return utf8 ? header : fromWindows1252(header);
}

std::optional<ImportProfile> findImportProfile(const std::vector<ImportProfile>& profiles,
                                               std::string_view name, const std::string& path) {
    for (const ImportProfile& p : profiles)
        if (!name.empty() && p.name == name) return p;
    if (!name.empty()) return std::nullopt;
    for (const ImportProfile& p : profiles)
        if (!p.header.empty() && headerLineOf(path, p.layout.skipLines) == p.header) return p;
    return std::nullopt;
}

}  // namespace qbk
