#include "cli/entry_formats.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/windows1252.h"

namespace qbk {
namespace {

// The typed fields of one entry, as text.
struct Fields {
    std::optional<std::string> date;  // nullopt: not a calendar date
    std::string amount;
    std::string_view category, note, user1, user2;
    std::optional<std::string> stamp;  // nullopt: not a finite number
    bool deleted = false;
};

std::optional<std::string> isoDate(DaySerial day) {
    const std::optional<CivilDate> date = dateFromSerial(day);
    if (!date) return std::nullopt;
    const CivilDate& d = *date;
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string decimalText(Money amount) {
    const std::int64_t raw = amount.raw();
    const std::uint64_t size =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const auto scale = static_cast<std::uint64_t>(Money::kScale);
    std::string fraction = std::to_string(size % scale + scale).substr(1);  // four digits
    while (fraction.size() > 2 && fraction.back() == '0')
        fraction.pop_back();
    return (raw < 0 ? "-" : "") + std::to_string(size / scale) + "." + fraction;
}

std::optional<std::string> numberText(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    std::array<char, 32> text;
    const auto r = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), r.ptr);
}

Fields fieldsOf(const EntryRecord& e) {
    return {isoDate(e.entryDate),       decimalText(e.amount),
            trimBlanks(e.categoryCode), trimBlanks(e.note),
            trimBlanks(e.userField1),   trimBlanks(e.userField2),
            numberText(e.recordStamp),  e.isDeleted()};
}

void writeJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out << escaped;
        } else {
            out << c;
        }
    }
    out << '"';
}

void writeCsvField(std::ostream& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out << text;
        return;
    }
    out << '"';
    for (const char c : text)
        out << (c == '"' ? "\"\"" : std::string(1, c));
    out << '"';
}

}  // namespace

void writeEntriesJson(std::ostream& out, const std::vector<EntryRecord>& entries) {
    out << '[';
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Fields f = fieldsOf(entries[i]);
        out << (i == 0 ? "\n" : ",\n") << "{\"date\":";
        if (f.date)
            writeJsonString(out, *f.date);
        else
            out << "null";
        out << ",\"amount\":";
        writeJsonString(out, f.amount);
        const std::pair<const char*, std::string_view> texts[] = {
            {"category", f.category}, {"note", f.note}, {"user1", f.user1}, {"user2", f.user2}};
        for (const auto& [key, value] : texts) {
            out << ",\"" << key << "\":";
            writeJsonString(out, value);
        }
        out << ",\"stamp\":" << f.stamp.value_or("null")
            << ",\"deleted\":" << (f.deleted ? "true" : "false") << '}';
    }
    out << (entries.empty() ? "]\n" : "\n]\n");
}

void writeEntriesCsv(std::ostream& out, const std::vector<EntryRecord>& entries) {
    out << "date,amount,category,note,user1,user2,stamp,deleted\n";
    for (const EntryRecord& e : entries) {
        const Fields f = fieldsOf(e);
        out << f.date.value_or("") << ',' << f.amount;
        for (std::string_view text : {f.category, f.note, f.user1, f.user2}) {
            out << ',';
            writeCsvField(out, text);
        }
        out << ',' << f.stamp.value_or("") << ',' << (f.deleted ? "true" : "false") << '\n';
    }
}

}  // namespace qbk
