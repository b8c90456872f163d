// qbk3-cli chart: the picture the Charts window draws, rendered without a window.
#include "charts/qt/chart_command_line.h"
#include "cli/command.h"

namespace qbk {

Subcommand makeChartCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "chart",
        "Draw a chart of the book's list into a PNG or SVG file, as the Charts window does.");
    auto r = std::make_shared<ChartRequest>();
    addFolder(*c, r->folder);
    c->add_option("KIND", r->kind, "categories, months or balance")
        ->required()
        ->check(CLI::IsMember({"categories", "months", "balance"}));
    c->add_option("--out", r->out, "the picture file, .png or .svg")->required();
    c->add_option("--from", r->from, "first day (default: the start-up range's)");
    c->add_option("--to", r->to, "last day (default: the start-up range's)");
    c->add_option("--category", r->categories, "chart the entries of this category (repeatable)");
    c->add_option("--search", r->searches,
                  "chart the entries this word fragment finds (repeatable)");
    return {c, [r, &cx] {
                return runChartCommand(*r, programSettings(cx), cx.regional, cx.clock.today(),
                                       cx.err);
            }};
}

}  // namespace qbk
