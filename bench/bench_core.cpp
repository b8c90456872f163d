// Benchmarks of the core on books of 10,000, 100,000 and 1,000,000 entries: the list
// refresh, the insert and the purge, beside the two yardsticks they are held to: one
// read of the file as `wc -l` does it, and one copy of it synced to disk.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

#include "book_generator.h"
#include "mainwindow/list_refresh.h"
#include "platform/cached_file.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/maintenance.h"
#include "store/record_file.h"

namespace qbk::bench {
namespace {

// One generated book per size for the whole run, in a temporary folder.
struct Book {
    explicit Book(std::size_t size) : entries(size) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        writeBook(folder, BookOptions{entries});
        records = joinPath(folder, "quillbank.dat");
        original = readFile(records);
        // Only a book that has been still for a moment is kept in memory between refreshes.
        std::this_thread::sleep_for(CachedFile::kSettleTime);
    }
    ~Book() { std::filesystem::remove_all(folder); }
    std::size_t entries;
    std::string folder, records, original;
};

Book& book(const benchmark::State& state) {
    static std::unique_ptr<Book> b;  // one book on disk and in memory at a time
    const auto entries = static_cast<std::size_t>(state.range(0));
    if (!b || b->entries != entries) {
        b.reset();
        b = std::make_unique<Book>(entries);
    }
    return *b;
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}
// The refreshes at each size, read from the file (/0, as the command line does) and
// from the book kept in memory since the last refresh (/1, as the window does).
void refreshSizes(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond);
}

// The yardstick of a scan: the file read in 128 KiB blocks and its line ends counted.
void BM_WcLines(benchmark::State& state) {
    const std::string path = book(state).records;
    std::vector<char> buf(1 << 17);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::size_t lines = 0;
        for (ssize_t n; (n = ::read(fd, buf.data(), buf.size())) > 0;)
            for (const char* p = buf.data();
                 (p = static_cast<const char*>(std::memchr(p, '\n', buf.data() + n - p))) !=
                 nullptr;
                 ++p)
                ++lines;
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_WcLines)->Apply(sizes);

// The yardstick of a rewrite: the file copied to a sibling and synced.
void BM_CopyAndSync(benchmark::State& state) {
    const Book& b = book(state);
    for (auto _ : state)
        writeFileAtomically(joinPath(b.folder, "copy.dat"), readFile(b.records));
}
BENCHMARK(BM_CopyAndSync)->Apply(sizes);

ListQuery wholeBook() {
    ListQuery q;
    q.categoryFilterCode = fitField("", 10);
    q.categoryFilterName = "All Categories";
    q.rangeStart = serialFromDate(1900, 1, 1);
    q.rangeEnd = serialFromDate(2100, 1, 1);
    return q;
}

void refresh(benchmark::State& state, const ListQuery& q) {
    const SettingsRecord settings = SettingsRecord::defaults();
    const RegionalSettings regional = RegionalSettings::unitedStates();
    const std::string& path = book(state).records;
    const bool kept = state.range(1) == 1;
    CachedFile cache;
    if (kept) cache.read(path);  // the window's start-up read, not part of a refresh
    std::size_t rows = 0;
    for (auto _ : state) {
        ListView v = kept ? PopMainGrid(path, cache, q, settings, regional)
                          : PopMainGrid(path, q, settings, regional);
        rows = v.size();
        benchmark::DoNotOptimize(v.balance);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_RefreshWholeBook(benchmark::State& state) {
    refresh(state, wholeBook());
}
BENCHMARK(BM_RefreshWholeBook)->Apply(refreshSizes);

void BM_RefreshOneYear(benchmark::State& state) {
    ListQuery q = wholeBook();
    q.rangeStart = BookOptions{}.newest - 364;
    q.rangeEnd = BookOptions{}.newest;
    refresh(state, q);
}
BENCHMARK(BM_RefreshOneYear)->Apply(refreshSizes);

void BM_RefreshWordSearch(benchmark::State& state) {
    ListQuery q = wholeBook();
    q.searchArgument = " FISH ";
    refresh(state, q);
}
BENCHMARK(BM_RefreshWordSearch)->Apply(refreshSizes);

void BM_RefreshSearchFindingNothing(benchmark::State& state) {
    ListQuery q = wholeBook();
    q.searchArgument = "ZQXJ";
    refresh(state, q);
}
BENCHMARK(BM_RefreshSearchFindingNothing)->Apply(refreshSizes);

void BM_FileNewEntryToday(benchmark::State& state) {
    const Book& b = book(state);
    EntryRecord r;
    r.entryDate = BookOptions{}.newest;
    r.categoryCode = fitField("FOOD", 10);
    r.amount = Money::fromUnits(-12);
    r.note = fitField("lunch", 60);
    SortKeyMemory memory;
    for (auto _ : state) {
        r.recordStamp += 1;
        FileNewEntry(b.records, r, memory);
        state.PauseTiming();
        writeFileAtomically(b.records, b.original);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FileNewEntryToday)->Apply(sizes);

// A purge of a book with every hundredth entry marked deleted.
void BM_PurgeDeleted(benchmark::State& state) {
    const Book& b = book(state);
    std::string marked = b.original;
    for (std::size_t at = 0; at + entry_layout::kSize <= marked.size();
         at += 100 * entry_layout::kSize)
        marked[at + entry_layout::kDeletedMark] = 'Y';
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(b.records, marked);
        state.ResumeTiming();
        benchmark::DoNotOptimize(purgeDeletedRecords(b.records, b.folder));
    }
    writeFileAtomically(b.records, b.original);
}
BENCHMARK(BM_PurgeDeleted)->Apply(sizes);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
