// Text as the data files hold it: Windows-1252, one byte per character, fields padded
// with blanks. In memory text is UTF-8; conversion happens at the record codecs.
//
// Every byte 0x00-0xFF maps to one code point and back, so reading and writing a field
// never changes bytes the program did not touch (the five bytes Windows-1252 leaves
// undefined map to the C1 control code points of the same value).
#ifndef QBK_PLATFORM_WINDOWS1252_H_
#define QBK_PLATFORM_WINDOWS1252_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace qbk {

// Windows-1252 bytes to UTF-8.
std::string fromWindows1252(std::string_view bytes);
void appendFromWindows1252(std::string& out, std::string_view bytes);

// UTF-8 text of Windows-1252 bytes, for a message: control characters and the five
// codes Windows-1252 leaves undefined show as U+FFFD, so that nothing invisible hides
// in the text.
std::string displayText(std::string_view bytes);

// UTF-8 to Windows-1252; a character with no Windows-1252 form (or a malformed byte
// sequence) becomes "?".
std::string toWindows1252(std::string_view utf8);

// The text field of `width` bytes that `utf8` becomes on disk, written at `out`: the
// first `width` characters of toWindows1252(utf8), padded with blanks. Makes no copy,
// for writers of many records.
void putWindows1252Field(std::string_view utf8, std::size_t width, char* out);

// True when `text` is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// Number of characters (code points) in UTF-8 text.
std::size_t charCount(std::string_view utf8);

// `utf8` cut to `width` characters or padded on the right with blanks to `width`:
// the value a text field of that width stores. Widths count characters as stored.
std::string fitField(std::string_view utf8, std::size_t width);

// The first `n` characters of `utf8` (all of it when shorter).
std::string leftChars(std::string_view utf8, std::size_t n);

// Text with leading and trailing blanks (code 32 only) removed.
std::string_view trimBlanks(std::string_view text);

// Text with leading and trailing blanks and zero bytes removed: the value of a settings
// field that was never stored (zero bytes) or was stored padded.
std::string_view trimField(std::string_view text);

// Upper-case as the Windows ANSI code page does it: a-z, the accented Latin-1 letters,
// and the letters with Windows-1252 upper-case forms (š, œ, ž, ÿ). Other characters,
// including ß and µ, are kept. ansiUpperBytes works on Windows-1252 bytes.
std::string ansiUpper(std::string_view utf8);
std::string ansiUpperBytes(std::string_view bytes);
unsigned char ansiUpperByte(unsigned char byte);

// Compares two texts by their Windows-1252 character codes: <0, 0 or >0.
int compareByCharacterCode(std::string_view utf8a, std::string_view utf8b);

}  // namespace qbk

#endif  // QBK_PLATFORM_WINDOWS1252_H_
