// Benchmarks of the chart data: a generated book of 10,000, 100,000 and 1,000,000
// entries (about a dozen a day) charted over its last 20 years, from reading the record
// file to the three charts' numbers.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "book_generator.h"
#include "charts/chart_data.h"
#include "charts/chart_entries.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/record_file.h"

namespace qbk::bench {
namespace {

struct Book {
    explicit Book(std::size_t entries) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        writeBook(folder, BookOptions{entries});
    }
    ~Book() { std::filesystem::remove_all(folder); }
    std::string folder;
};

const Book& book(std::size_t entries) {
    static std::map<std::size_t, std::unique_ptr<Book>> books;
    auto& b = books[entries];
    if (!b) b = std::make_unique<Book>(entries);
    return *b;
}

void BM_ChartDataTwentyYears(benchmark::State& state) {
    const Book& b = book(static_cast<std::size_t>(state.range(0)));
    const SettingsRecord settings = SettingsRecord::defaults();
    const RegionalSettings regional = RegionalSettings::unitedStates();
    ListQuery query;
    query.categoryFilterCode = fitField("", 10);
    query.rangeEnd = BookOptions{}.newest;
    query.rangeStart = query.rangeEnd - 20 * 365;
    std::size_t periods = 0;
    for (auto _ : state) {
        const ReportSplit entries =
            listedEntries(joinPath(b.folder, "quillbank.dat"), query, settings);
        const ChartData data =
            chartData(entries, query.rangeStart, query.rangeEnd,
                      readCategories(joinPath(b.folder, "category.dat")), settings, regional);
        benchmark::DoNotOptimize(largestFirst(data.categories.moneyOut, regional).data());
        periods = data.periods.size();
    }
    state.counters["periods"] = static_cast<double>(periods);
}
BENCHMARK(BM_ChartDataTwentyYears)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
