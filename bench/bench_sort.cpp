// Benchmarks of the record-file sort on books of 100,000 and 1,000,000 entries in three orders:
// shuffled, reversed, and sorted with 1,000 newer entries appended at the end (the state after an
// import). Each run reads the file, sorts it and writes it back atomically.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

#include "book_generator.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"
#include "store/maintenance.h"

namespace qbk::bench {
namespace {

constexpr std::size_t kRecord = entry_layout::kSize;

std::vector<std::string> recordsOf(const std::string& bytes) {
    std::vector<std::string> records;
    for (std::size_t at = 0; at + kRecord <= bytes.size(); at += kRecord)
        records.push_back(bytes.substr(at, kRecord));
    return records;
}

std::string join(const std::vector<std::string>& records) {
    std::string bytes;
    bytes.reserve(records.size() * kRecord);
    for (const std::string& r : records)
        bytes += r;
    return bytes;
}

// One generated book for the whole run and the three files made from it.
struct Books {
    explicit Books(std::size_t entries) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-sort-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        const BookOptions options{entries};
        writeBook(folder, options);
        path = joinPath(folder, "quillbank.dat");
        std::vector<std::string> records = recordsOf(readFile(path));

        std::vector<std::string> shuffledRecords = records;
        std::shuffle(shuffledRecords.begin(), shuffledRecords.end(), std::mt19937(2026));
        shuffled = join(shuffledRecords);

        std::reverse(records.begin(), records.end());
        reversed = join(records);
        std::reverse(records.begin(), records.end());

        // The last 1,000 entries of the book, moved to ten days after its newest day.
        std::vector<std::string> newer(records.end() - 1000, records.end());
        records.resize(entries - 1000);
        for (std::size_t i = 0; i < newer.size(); ++i) {
            EntryRecord r = decodeEntry(newer[i].data());
            r.entryDate = options.newest + 1 + static_cast<double>(i % 10);
            newer[i] = encodeEntry(r);
        }
        records.insert(records.end(), newer.begin(), newer.end());
        appended = join(records);
    }
    ~Books() { std::filesystem::remove_all(folder); }
    std::string folder, path, shuffled, reversed, appended;
    std::size_t entries = 0;
};

Books& books(const benchmark::State& state) {
    static std::unique_ptr<Books> b;
    const auto entries = static_cast<std::size_t>(state.range(0));
    if (!b || b->entries != entries) {
        b.reset();
        b = std::make_unique<Books>(entries);
        b->entries = entries;
    }
    return *b;
}

void sortFile(benchmark::State& state, std::string Books::*which) {
    Books& b = books(state);
    const std::string& bytes = b.*which;
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(b.path, bytes);
        state.ResumeTiming();
        benchmark::DoNotOptimize(sortRecordFile(b.path));
    }
    state.counters["records"] = static_cast<double>(bytes.size() / kRecord);
}

void BM_SortShuffledBook(benchmark::State& state) {
    sortFile(state, &Books::shuffled);
}
BENCHMARK(BM_SortShuffledBook)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_SortReversedBook(benchmark::State& state) {
    sortFile(state, &Books::reversed);
}
BENCHMARK(BM_SortReversedBook)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_SortBookWithNewerEntriesAtTheEnd(benchmark::State& state) {
    sortFile(state, &Books::appended);
}
BENCHMARK(BM_SortBookWithNewerEntriesAtTheEnd)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
