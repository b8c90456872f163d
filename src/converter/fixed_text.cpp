#include "converter/fixed_text.h"

#include <array>
#include <cstdint>
#include <vector>

namespace qbk::converter {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where Windows-1252 defines no character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string padField(std::string_view value, std::size_t width) {
    std::string field(value.substr(0, width));
    field.resize(width, ' ');
    return field;
}

std::string_view trimBlanks(std::string_view value) {
    const auto first = value.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = value.find_last_not_of(' ');
    return value.substr(first, last - first + 1);
}

std::string displayText(std::string_view windows1252) {
    std::string out;
    out.reserve(windows1252.size());
    for (const char c : windows1252) {
        const auto byte = static_cast<unsigned char>(c);
        char32_t cp = byte;
        if (byte < 0x20 || byte == 0x7F) {
            cp = kReplacement;
        } else if (byte >= 0x80 && byte < 0xA0) {
            cp = kHighControls[byte - 0x80];
            if (cp == 0) cp = kReplacement;
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::string fillIn(std::string_view templ, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    for (std::size_t i = 0; i < templ.size(); ++i) {
        if (templ[i] == '%' && i + 1 < templ.size() && templ[i + 1] >= '1' && templ[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(templ[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += templ[i];
    }
    return out;
}

}  // namespace qbk::converter
