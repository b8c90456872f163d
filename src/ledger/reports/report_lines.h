// How the report text is written: lines ended by CR LF, rules of dashes, and the
// fixed-width text fields the layouts line up on.
#ifndef QBK_REPORTS_REPORT_LINES_H_
#define QBK_REPORTS_REPORT_LINES_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace qbk {

inline constexpr std::string_view kReportLineEnd = "\r\n";
// Width of the rules: narrow reports are laid out for portrait pages, wide ones for
// landscape pages with the user-defined fields.
inline constexpr std::size_t kNarrowRuleWidth = 79;
inline constexpr std::size_t kWideRuleWidth = 113;

// Appends `line` and a line end to `out`.
void addLine(std::string& out, std::string_view line);
// Appends a rule of `width` "-" characters as a line.
void addRule(std::string& out, std::size_t width);

// A settings text field as stored, for a fixed column: zero bytes (a field never
// stored) become blanks, so the width stays and the text file holds no NUL.
std::string fieldText(std::string_view asStored);

}  // namespace qbk

#endif  // QBK_REPORTS_REPORT_LINES_H_
