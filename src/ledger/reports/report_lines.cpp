#include "reports/report_lines.h"

#include <algorithm>

namespace qbk {

void addLine(std::string& out, std::string_view line) {
    out += line;
    out += kReportLineEnd;
}

void addRule(std::string& out, std::size_t width) {
    out.append(width, '-');
    out += kReportLineEnd;
}

std::string fieldText(std::string_view asStored) {
    std::string text(asStored);
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

}  // namespace qbk
