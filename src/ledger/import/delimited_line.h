// Lines of comma-delimited text as the import reads them, and the fields of one line.
//
// Two styles, told apart by the last three characters of the file name, upper-cased:
// "TXT" is quoted comma-delimited text ("a","b","c"), "CSV" is comma-separated values
// (a,b,c). Users' files were written for exactly these splitting rules, so they stay
// as they are: there is no escaping, quotes inside CSV fields are kept, and a line
// ending in a separator has one more, empty field.
#ifndef QBK_IMPORT_DELIMITED_LINE_H_
#define QBK_IMPORT_DELIMITED_LINE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qbk {

enum class DelimitedStyle { Txt, Csv };

// The style of a file by its name's last three characters, upper-cased; nullopt for
// any other ending (such a file is not read).
std::optional<DelimitedStyle> delimitedStyleOf(std::string_view fileName);

// The fields of one line, numbered from 1 in the order returned. Characters are taken
// one at a time into an accumulator that is finished as a field:
//   Txt: when the characters from the current one are `","` (the current one, the
//        closing quote, already taken); and at the last character. Finishing drops one
//        leading comma, then one leading quote, then one trailing quote, then trims
//        blanks.
//   Csv: when the current character is a comma: drop one trailing comma, trim blanks;
//        and at the last character (after a comma there, with what is left, that is
//        nothing): drop one leading comma, trim blanks.
// An empty line has no field.
std::vector<std::string> splitFields(std::string_view line, DelimitedStyle style);

// Text of a file the user chose, as UTF-8: a file that is valid UTF-8 (with or without
// a byte-order mark) is read as UTF-8, any other as Windows-1252. A byte-order mark is
// never part of the text.
std::string decodeImportBytes(std::string_view bytes);

// The decoded text of the file at `path`. Throws OperationError when it is missing or
// cannot be read.
std::string readImportText(const std::string& path);

// The lines of `text`, ended by CR LF, LF or CR, without their ends. A last line
// without an end counts; an end at the very end of the text starts no further line.
// The views point into `text`.
std::vector<std::string_view> importLines(std::string_view text);

}  // namespace qbk

#endif  // QBK_IMPORT_DELIMITED_LINE_H_
