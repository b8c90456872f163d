#include "platform/windows1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace qbk {
namespace {

// Code points of the bytes 0x80-0x9F; the other bytes map to the code point of their value.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t codePointOf(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighBlock[byte - 0x80] : char32_t(byte);
}

int byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i)
        if (kHighBlock[i] == cp) return static_cast<int>(0x80 + i);
    return -1;
}

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

// Decodes one code point at `i`, advancing it; malformed input yields U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    int extra = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return 0xFFFD;
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (b & 0x3F);
        ++i;
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
    return cp;
}

// UTF-8 form of every byte, precomputed for the record codec's hot path.
struct DecodeTable {
    std::array<std::array<char, 4>, 256> bytes{};
    std::array<std::uint8_t, 256> length{};
    DecodeTable() {
        for (int b = 0; b < 256; ++b) {
            std::string s;
            appendUtf8(s, codePointOf(static_cast<unsigned char>(b)));
            length[b] = static_cast<std::uint8_t>(s.size());
            for (std::size_t k = 0; k < s.size(); ++k)
                bytes[b][k] = s[k];
        }
    }
};
const DecodeTable& decodeTable() {
    static const DecodeTable table;
    return table;
}

}  // namespace

void appendFromWindows1252(std::string& out, std::string_view bytes) {
    const DecodeTable& t = decodeTable();
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Runs of ASCII are copied as they are.
        std::size_t j = i;
        while (j < bytes.size() && static_cast<unsigned char>(bytes[j]) < 0x80)
            ++j;
        out.append(bytes.data() + i, j - i);
        if (j == bytes.size()) break;
        const auto b = static_cast<unsigned char>(bytes[j]);
        out.append(t.bytes[b].data(), t.length[b]);
        i = j + 1;
    }
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    appendFromWindows1252(out, bytes);
    return out;
}

std::string displayText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char32_t cp = codePointOf(byte);
        if (byte < 0x20 || byte == 0x7F || (cp >= 0x80 && cp <= 0x9F)) cp = 0xFFFD;
        appendUtf8(out, cp);
    }
    return out;
}

std::string toWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i++];
            continue;
        }
        const int b = byteOf(nextCodePoint(utf8, i));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

void putWindows1252Field(std::string_view utf8, std::size_t width, char* out) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size() && n < width; ++n) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out[n] = utf8[i++];
            continue;
        }
        const int b = byteOf(nextCodePoint(utf8, i));
        out[n] = b < 0 ? '?' : static_cast<char>(b);
    }
    std::memset(out + n, ' ', width - n);
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const bool replacementChar = text.substr(i, 3) == "\xEF\xBF\xBD";
        if (nextCodePoint(text, i) == 0xFFFD && !replacementChar) return false;
    }
    return true;
}

std::size_t charCount(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string leftChars(std::string_view utf8, std::size_t n) {
    std::size_t i = 0, count = 0;
    while (i < utf8.size() && count < n) {
        nextCodePoint(utf8, i);
        ++count;
    }
    return std::string(utf8.substr(0, i));
}

std::string fitField(std::string_view utf8, std::size_t width) {
    std::string out = leftChars(utf8, width);
    const std::size_t count = charCount(out);
    if (count < width) out.append(width - count, ' ');
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view trimField(std::string_view text) {
    constexpr std::string_view kBlankOrZero(" \0", 2);
    const auto first = text.find_first_not_of(kBlankOrZero);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlankOrZero);
    return text.substr(first, last - first + 1);
}

unsigned char ansiUpperByte(unsigned char b) {
    if (b >= 'a' && b <= 'z') return static_cast<unsigned char>(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<unsigned char>(b - 32);
    switch (b) {
        case 0x9A:
            return 0x8A;  // š
        case 0x9C:
            return 0x8C;  // œ
        case 0x9E:
            return 0x8E;  // ž
        case 0xFF:
            return 0x9F;  // ÿ
        default:
            return b;
    }
}

std::string ansiUpperBytes(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(ansiUpperByte(static_cast<unsigned char>(c)));
    return out;
}

std::string ansiUpper(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        if (b0 < 0x80) {
            out += static_cast<char>(ansiUpperByte(b0));
            ++i;
            continue;
        }
        const std::size_t start = i;
        const char32_t cp = nextCodePoint(utf8, i);
        const int b = byteOf(cp);
        if (b < 0) {
            out.append(utf8.substr(start, i - start));
        } else {
            appendUtf8(out, codePointOf(ansiUpperByte(static_cast<unsigned char>(b))));
        }
    }
    return out;
}

int compareByCharacterCode(std::string_view a, std::string_view b) {
    return toWindows1252(a).compare(toWindows1252(b));
}

}  // namespace qbk
