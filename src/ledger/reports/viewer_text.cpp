#include "reports/viewer_text.h"

namespace qbk {

std::string viewerText(std::string_view reportText) {
    std::string shown;
    std::size_t lines = 0;
    std::size_t start = 0;
    while (start < reportText.size()) {
        std::size_t end = reportText.find('\n', start);
        if (end == std::string_view::npos) end = reportText.size();
        std::string_view line = reportText.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        shown += '\n';
        shown += line;
        start = end + 1;
        if (++lines >= kViewerLineLimit) {
            shown += "\n\n";
            shown += kViewerNotice;
            break;
        }
    }
    return shown;
}

}  // namespace qbk
