#include "cli/entry_formats.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/windows1252.h"
#include "store/amount.h"

namespace qbk {
namespace {

// The typed fields of one entry, as text.
struct Fields {
    std::optional<std::string> date;  // nullopt: not a calendar date
    std::string amount;
    std::string_view category, note, user1, user2;
    std::optional<std::string> stamp;  // nullopt: not a finite number
    bool deleted = false;
    std::string_view cleared;
};

std::optional<std::string> numberText(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    std::array<char, 32> text;
    const auto r = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), r.ptr);
}

Fields fieldsOf(const EntryRecord& e) {
    return {isoDate(e.entryDate),         decimalAmountText(e.amount),
            trimBlanks(e.categoryCode),   trimBlanks(e.note),
            trimBlanks(e.userField1),     trimBlanks(e.userField2),
            numberText(e.recordStamp),    e.isDeleted(),
            clearedStateName(e.cleared())};
}

void appendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void appendJsonObject(std::string& out, const Fields& f) {
    out += "{\"date\":";
    if (f.date)
        appendJsonString(out, *f.date);
    else
        out += "null";
    out += ",\"amount\":";
    appendJsonString(out, f.amount);
    const std::pair<const char*, std::string_view> texts[] = {
        {"category", f.category}, {"note", f.note}, {"user1", f.user1}, {"user2", f.user2}};
    for (const auto& [key, value] : texts) {
        out += ",\"";
        out += key;
        out += "\":";
        appendJsonString(out, value);
    }
    out += ",\"stamp\":";
    out += f.stamp.value_or("null");
    out += ",\"deleted\":";
    out += f.deleted ? "true" : "false";
    out += ",\"cleared\":";
    appendJsonString(out, f.cleared);
    out += '}';
}

void appendCsvLine(std::string& out, const Fields& f) {
    out += f.date.value_or("");
    out += ',';
    out += f.amount;
    for (const std::string_view text : {f.category, f.note, f.user1, f.user2}) {
        out += ',';
        appendCsvField(out, text);
    }
    out += ',';
    out += f.stamp.value_or("");
    out += f.deleted ? ",true," : ",false,";
    out += f.cleared;
    out += '\n';
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

std::optional<std::string> isoDate(DaySerial day) {
    const std::optional<CivilDate> date = dateFromSerial(day);
    if (!date) return std::nullopt;
    const CivilDate& d = *date;
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

void EntryWriter::begin() {
    out_ << (format_ == EntryFormat::Json
                 ? "["
                 : "date,amount,category,note,user1,user2,stamp,deleted,cleared\n");
}

void EntryWriter::write(const EntryRecord& entry) {
    if (written_ == 0) begin();
    line_.clear();
    if (format_ == EntryFormat::Json) {
        line_ += written_ == 0 ? "\n" : ",\n";
        appendJsonObject(line_, fieldsOf(entry));
    } else {
        appendCsvLine(line_, fieldsOf(entry));
    }
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    ++written_;
}

void EntryWriter::finish() {
    if (written_ == 0) begin();
    if (format_ == EntryFormat::Json) out_ << (written_ == 0 ? "]\n" : "\n]\n");
}

}  // namespace qbk
