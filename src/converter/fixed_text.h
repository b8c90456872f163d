// Fixed-width text fields. Record files hold text as Windows-1252 bytes, one byte per
// character, padded on the right with blanks; the converter copies those bytes as they
// are and only decodes them to show them in a message.
#ifndef QBK_CONVERTER_FIXED_TEXT_H_
#define QBK_CONVERTER_FIXED_TEXT_H_

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace qbk::converter {

// `value` cut to `width` bytes, or padded on the right with blanks (code 32) to it.
std::string padField(std::string_view value, std::size_t width);

// `value` without its leading and trailing blanks (code 32 only, as the record files
// pad with nothing else).
std::string_view trimBlanks(std::string_view value);

// UTF-8 text of Windows-1252 bytes, for a message. Control characters and the five
// codes Windows-1252 leaves undefined show as U+FFFD, so that nothing invisible hides
// in the text.
std::string displayText(std::string_view windows1252);

// `templ` with "%1", "%2", ... replaced by the arguments in order; a marker without an
// argument stays as it is.
std::string fillIn(std::string_view templ, std::initializer_list<std::string_view> args);

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_FIXED_TEXT_H_
