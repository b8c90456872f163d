// Benchmarks of the balance ahead: a generated book of 10,000, 100,000 and 1,000,000
// entries with 50 schedules (monthly rent and bills, weekly and fortnightly pay, yearly
// fees), forecast a year past its newest day: from the files (the forecast command), and
// the window's continuation of a list already read (Range, Forecast), which must fit in
// one frame.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

#include "book_generator.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "schedules/forecast_list.h"
#include "schedules/posting.h"
#include "store/book_files.h"

namespace qbk::bench {
namespace {

constexpr int kSchedules = 50;

struct Book {
    explicit Book(std::size_t entries) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        folder = withTrailingSlash(::mkdtemp(pattern.data()));
        writeBook(folder, BookOptions{entries});
        Schedules schedules;
        for (int i = 0; i < kSchedules; ++i) {
            Schedule s;
            s.id = i + 1;
            s.every = static_cast<Every>(i % 4);
            s.interval = s.every == Every::Day ? 30 : 1 + i % 2;
            s.dayOfMonth = s.every == Every::Month ? 1 + i % 31 : 0;
            s.first = today - 400 + i;
            s.lastPosted = today - 1;
            s.amount = Money::fromUnits(i % 5 == 0 ? 2500 : -(20 + 13 * i));
            s.categoryCode = "BILLS";
            s.note = "schedule " + std::to_string(i + 1);
            schedules.push_back(s);
        }
        writeSchedules(BookPaths(folder).file(kSchedulesFileName), schedules);
    }
    ~Book() { std::filesystem::remove_all(folder); }
    std::string folder;
    DaySerial today = BookOptions{}.newest;
};

const Book& book(std::size_t entries) {
    static std::map<std::size_t, std::unique_ptr<Book>> books;
    auto& b = books[entries];
    if (!b) b = std::make_unique<Book>(entries);
    return *b;
}

void BM_ForecastYearAheadFromTheFiles(benchmark::State& state) {
    const Book& b = book(static_cast<std::size_t>(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state) {
        const Forecast f = forecastBook(b.folder, b.today, b.today + 365);
        benchmark::DoNotOptimize(f.low);
        rows = f.rows.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ForecastYearAheadFromTheFiles)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// What a list refresh adds to the window's list of the last 90 days when the forecast is
// shown: the schedules read, the planned rows, the running balances, the low point.
void BM_ForecastContinuingTheList(benchmark::State& state) {
    const Book& b = book(static_cast<std::size_t>(state.range(0)));
    const SettingsRecord settings = SettingsRecord::defaults();
    const RegionalSettings regional = RegionalSettings::unitedStates();
    const BookPaths paths(b.folder);
    CachedFile cache(std::chrono::nanoseconds(0));
    const std::shared_ptr<const std::string> bytes = cache.read(paths.records());
    ListQuery query;
    query.categoryFilterCode = fitField("", 10);
    query.rangeEnd = b.today + 365;
    query.rangeStart = b.today - 90;
    const ListView listed = PopMainGrid(paths.records(), cache, query, settings, regional);
    std::size_t planned = 0;
    for (auto _ : state) {
        const ForecastList f =
            forecastList(bytes, listed, query, settings, regional,
                         dueEntries(b.folder, b.today + 365), b.today, b.today + 365);
        benchmark::DoNotOptimize(f.forecast.low);
        planned = f.planned.size();
    }
    state.counters["planned"] = static_cast<double>(planned);
}
BENCHMARK(BM_ForecastContinuingTheList)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
