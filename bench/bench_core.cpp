// Benchmarks of the core on a 100,000-entry book: the list refresh and the insert.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "book_generator.h"
#include "mainwindow/list_refresh.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/record_file.h"

namespace qbk::bench {
namespace {

constexpr std::size_t kEntries = 100000;

// One generated book for the whole run, in a temporary folder.
struct Book {
    Book() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        writeBook(folder, BookOptions{kEntries});
        records = joinPath(folder, "quillbank.dat");
        original = readFile(records);
    }
    ~Book() { std::filesystem::remove_all(folder); }
    std::string folder, records, original;
};

Book& book() {
    static Book b;
    return b;
}

ListQuery wholeBook() {
    ListQuery q;
    q.categoryFilterCode = fitField("", 10);
    q.categoryFilterName = "All Categories";
    q.rangeStart = serialFromDate(1900, 1, 1);
    q.rangeEnd = serialFromDate(2100, 1, 1);
    return q;
}

void BM_RefreshWholeBook(benchmark::State& state) {
    const SettingsRecord settings = SettingsRecord::defaults();
    const RegionalSettings regional = RegionalSettings::unitedStates();
    const ListQuery q = wholeBook();
    for (auto _ : state) {
        ListView v = PopMainGrid(book().records, q, settings, regional);
        benchmark::DoNotOptimize(v.rows.data());
    }
    state.counters["rows"] =
        static_cast<double>(PopMainGrid(book().records, q, settings, regional).rows.size());
}
BENCHMARK(BM_RefreshWholeBook)->Unit(benchmark::kMillisecond);

void BM_RefreshWordSearch(benchmark::State& state) {
    const SettingsRecord settings = SettingsRecord::defaults();
    const RegionalSettings regional = RegionalSettings::unitedStates();
    ListQuery q = wholeBook();
    q.searchArgument = " FISH ";
    for (auto _ : state) {
        ListView v = PopMainGrid(book().records, q, settings, regional);
        benchmark::DoNotOptimize(v.rows.data());
    }
}
BENCHMARK(BM_RefreshWordSearch)->Unit(benchmark::kMillisecond);

void BM_FileNewEntryToday(benchmark::State& state) {
    EntryRecord r;
    r.entryDate = BookOptions{}.newest;
    r.categoryCode = fitField("FOOD", 10);
    r.amount = Money::fromUnits(-12);
    r.note = fitField("lunch", 60);
    SortKeyMemory memory;
    for (auto _ : state) {
        r.recordStamp += 1;
        FileNewEntry(book().records, r, memory);
        state.PauseTiming();
        writeFileAtomically(book().records, book().original);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FileNewEntryToday)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
