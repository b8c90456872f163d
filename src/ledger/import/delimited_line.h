// Lines of comma-delimited text as the import reads them, and the fields of one line.
//
// Two styles, told apart by the last three characters of the file name, upper-cased:
// "TXT" is quoted comma-delimited text ("a","b","c"), "CSV" is comma-separated values
// (a,b,c). Users' files were written for the quoted-text rule, so it stays as it is:
// no escaping, and a line ending in a separator has one more, empty field. In CSV a
// field that begins with a double quote is read as spreadsheets write it (commas
// inside, "" for a quote); a field that does not is split at commas as always.
#ifndef QBK_IMPORT_DELIMITED_LINE_H_
#define QBK_IMPORT_DELIMITED_LINE_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qbk {

enum class DelimitedStyle { Txt, Csv };

// The last three characters of a file name, upper-cased, by which the import tells the
// kinds of files apart ("" for a shorter name).
std::string nameEnding(std::string_view fileName);

// The style of a file by its name's ending: "TXT" or "CSV"; nullopt for any other
// ending (such a file is not read).
std::optional<DelimitedStyle> delimitedStyleOf(std::string_view fileName);

// Reads the fields of one line in order, one at a time, without copying the line, so
// that a line of millions of fields costs no more memory than the line itself:
//   Txt: a field ends at `","` (quote, comma, quote) or at the end of the line; then one
//        leading comma, one leading quote and one trailing quote are dropped, and blanks
//        trimmed.
//   Csv: a field ends at a comma or at the end of the line, and its blanks are trimmed.
//        When it begins (after blanks) with a double quote, it runs to the closing quote,
//        commas included, "" standing for one quote; anything between the closing quote
//        and the next comma is added to it, and an unclosed quote runs to the line's end.
// In both styles an empty line has no field, and a line ending in a separator has one
// more, empty field. A Csv file may have a semicolon or a tab for its comma.
class FieldReader {
  public:
    FieldReader(std::string_view line, DelimitedStyle style, char separator = ',');

    // The next field, nullopt after the last. The view points into the line, or into
    // the reader (a quoted field with "" in it) until the next call.
    std::optional<std::string_view> next();

  private:
    std::string_view nextQuotedText();
    std::string_view nextSeparatedValue();
    std::string_view quotedValue(std::size_t open);

    std::string_view line_;
    DelimitedStyle style_;
    char separator_;
    std::size_t pos_ = 0;  // where the next field begins
    bool done_;
    std::string unquoted_;
};

// All fields of one line, as FieldReader reads them.
std::vector<std::string> splitFields(std::string_view line, DelimitedStyle style,
                                     char separator = ',');

// True when every field of the line is empty (an empty line, ",,," or "","").
bool isBlankLine(std::string_view line, DelimitedStyle style, char separator = ',');

// Text of a file the user chose, as UTF-8: a file that is valid UTF-8 (with or without
// a byte-order mark) is read as UTF-8, any other as Windows-1252. A byte-order mark is
// never part of the text.
std::string decodeImportBytes(std::string_view bytes);

// The decoded text of the file at `path`. Throws OperationError when it is missing or
// cannot be read.
std::string readImportText(const std::string& path);

// The lines of the file at `path` as importLines splits its bytes (a leading byte-order
// mark left out), passed to `line` one at a time with their number from 1, undecoded:
// the file is read in blocks, so a big file costs no more memory than its longest
// line. A view is valid during its call only. Returns the number of lines. Throws
// OperationError when the file is missing or cannot be read.
std::size_t forEachImportLine(
    const std::string& path,
    const std::function<void(std::size_t number, std::string_view line)>& line);

// Whether the file at `path` is text as decodeImportBytes reads it: UTF-8 when all of
// it (after a byte-order mark) is valid UTF-8, otherwise Windows-1252; and its number
// of lines. Reads the file once, in blocks.
struct ImportFileShape {
    bool utf8 = true;
    std::size_t lines = 0;
};
ImportFileShape importFileShape(const std::string& path);

// The lines of `text`, ended by CR LF, LF or CR, without their ends. A last line
// without an end counts; an end at the very end of the text starts no further line.
// The views point into `text`.
std::vector<std::string_view> importLines(std::string_view text);

}  // namespace qbk

#endif  // QBK_IMPORT_DELIMITED_LINE_H_
