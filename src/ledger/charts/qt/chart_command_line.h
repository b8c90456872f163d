// Charts without a window, for scripts: the chart the Charts window draws, rendered
// with the offscreen platform into a PNG or SVG file.
//
//   chart FOLDER (categories|months|balance) --out FILE.png|.svg [--from DATE]
//         [--to DATE] [--category CODE]... [--search TEXT]...
//
// The list charted is the main list of the data folder FOLDER over the range (--from
// and --to in the regional settings; the start-up range of the settings for what is
// not given), all categories; with --category or --search, the report list that each
// of them in turn appends to, as report mode builds it (a --search is a word fragment
// search). "categories" draws money out by category, "months" income, expense and net
// per week, month or fiscal year (by the length of the range), "balance" the running
// balance.
#ifndef QBK_CHARTS_QT_CHART_COMMAND_LINE_H_
#define QBK_CHARTS_QT_CHART_COMMAND_LINE_H_

#include <ostream>
#include <string>
#include <vector>

#include "platform/dates.h"
#include "platform/regional.h"
#include "store/settings_record.h"

namespace qbk {

struct ChartRequest {
    std::string folder;                   // the data folder
    std::string kind;                     // "categories", "months" or "balance"
    std::string out;                      // the picture file: ".png" or ".svg"
    std::string from;                     // empty: the start of the start-up range
    std::string to;                       // empty: its end
    std::vector<std::string> categories;  // CatCodes, in the order given
    std::vector<std::string> searches;    // word fragments, in the order given
};

// Pictures are drawn at this size in pixels.
inline constexpr int kChartPictureWidth = 1000;
inline constexpr int kChartPictureHeight = 600;

// Renders the chart of `request` and writes it to request.out (atomically). Uses the
// running QApplication, or starts one on the offscreen platform. `settings` gives the
// start-up range and the fiscal year; `today` ends a day-count range.
//
// Returns 0 when the picture is written; 1 when a file cannot be read or written or the
// list holds no entry; 2 for a bad request (a missing folder, an unknown kind, an out
// file that is not .png or .svg, a date that does not read, a category code missing
// from the category file). Every failure writes one line "qbk3-cli: chart: ..." to
// `err` and leaves request.out as it was.
int runChartCommand(const ChartRequest& request, const SettingsRecord& settings,
                    const RegionalSettings& regional, DaySerial today, std::ostream& err);

}  // namespace qbk

#endif  // QBK_CHARTS_QT_CHART_COMMAND_LINE_H_
