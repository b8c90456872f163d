// What the report view shows of a report: at most 251 lines of the report text.
#ifndef QBK_REPORTS_VIEWER_TEXT_H_
#define QBK_REPORTS_VIEWER_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace qbk {

inline constexpr std::size_t kViewerLineLimit = 251;
inline constexpr std::string_view kViewerNotice =
    "Not all is displayed... Click Edit Report for options.";

// The text for the report view from a report text (lines ended by CR LF or LF): each
// line preceded by a line end, so the text begins with an empty line and has no line
// end after its last line. After the 251st line stop, adding an empty line and
// kViewerNotice, even when no line follows. Line ends in the result are LF, as a
// text box takes them.
std::string viewerText(std::string_view reportText);

}  // namespace qbk

#endif  // QBK_REPORTS_VIEWER_TEXT_H_
