// Benchmarks of the reports: the wide full report of a 20,000-entry report list over
// 100 categories, from the split to the text shown in the report view.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/report_command.h"
#include "reports/viewer_text.h"
#include "store/category_record.h"
#include "store/entry_record.h"

namespace qbk::bench {
namespace {

constexpr std::size_t kListed = 20000;
constexpr int kCategories = 100;

std::string code(int i) {
    return "CAT" + std::to_string(100 + i);
}

// A report list as report mode builds it, in a temporary program folder: every tenth
// category holds money in, a few entries are open items, notes and user fields filled.
struct ReportBook {
    ReportBook() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        std::string categories;
        for (int i = 0; i < kCategories; ++i) {
            CategoryRecord c;
            c.catCode = fitField(code(i), 10);
            c.catName = fitField("Category number " + std::to_string(i), 20);
            categories += encodeCategory(c);
        }
        writeFileAtomically(joinPath(folder, "category.dat"), categories);

        std::mt19937 random(2026);
        std::string list;
        const DaySerial newest = serialFromDate(2026, 12, 7);
        for (std::size_t n = 0; n < kListed; ++n) {
            const int c = static_cast<int>(random() % kCategories);
            EntryRecord r;
            r.entryDate = newest - static_cast<double>(n / 12);
            r.categoryCode = fitField(code(c), 10);
            const std::int64_t cents = 100 + static_cast<std::int64_t>(random() % 50000);
            r.amount = random() % 50 == 0 ? Money()
                       : c % 10 == 0      ? Money::fromRaw(cents * 100)
                                          : Money::fromRaw(-cents * 100);
            r.note = fitField("weekly shopping at the market, entry " + std::to_string(n), 60);
            r.userField1 = fitField(n % 3 ? "card" : "cash", 10);
            r.userField2 = fitField(n % 5 ? "home" : "holiday", 10);
            r.recordStamp = 46000 + static_cast<double>(n) / 8;
            list += encodeEntry(r);
            stamps.push_back(r.recordStamp);
        }
        writeFileAtomically(joinPath(folder, "report.tmp"), list);
    }
    ~ReportBook() { std::filesystem::remove_all(folder); }

    ReportRequest request(ReportKind kind) const {
        ReportRequest q;
        q.kind = kind;
        q.rowStamps = stamps;
        q.categoryFilePath = joinPath(folder, "category.dat");
        q.settings = SettingsRecord::defaults();
        q.regional = RegionalSettings::unitedStates();
        q.rangeStart = "01/01/2022";
        q.rangeEnd = "12/31/2026";
        q.today = serialFromDate(2026, 12, 8);
        return q;
    }

    std::string folder;
    std::vector<double> stamps;
};

ReportBook& book() {
    static ReportBook b;
    return b;
}

void runReport(benchmark::State& state, ReportKind kind) {
    const ReportPaths paths(book().folder);
    const ReportRequest request = book().request(kind);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::optional<std::string> text = buildReport(paths, request);
        const std::string shown = viewerText(*text);
        benchmark::DoNotOptimize(shown.data());
        bytes = text->size();
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
}

void BM_WideFullReport(benchmark::State& state) {
    runReport(state, ReportKind::WideFull);
}
BENCHMARK(BM_WideFullReport)->Unit(benchmark::kMillisecond);

void BM_NarrowSummaryReport(benchmark::State& state) {
    runReport(state, ReportKind::Summary);
}
BENCHMARK(BM_NarrowSummaryReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
