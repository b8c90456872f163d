// Benchmarks of the record-file sort on 100,000-entry books in three orders: shuffled,
// reversed, and sorted with 1,000 newer entries appended at the end (the state after
// an import). Each run reads the file, sorts it and writes it back atomically.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "book_generator.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"
#include "store/maintenance.h"

namespace qbk::bench {
namespace {

constexpr std::size_t kEntries = 100000;
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
    Books() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-sort-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        const BookOptions options{kEntries};
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
        records.resize(kEntries - 1000);
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
};

Books& books() {
    static Books b;
    return b;
}

void sortFile(benchmark::State& state, std::string Books::*which) {
    const std::string& bytes = books().*which;
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(books().path, bytes);
        state.ResumeTiming();
        benchmark::DoNotOptimize(sortRecordFile(books().path));
    }
    state.counters["records"] = static_cast<double>(bytes.size() / kRecord);
}

void BM_SortShuffledBook(benchmark::State& state) {
    sortFile(state, &Books::shuffled);
}
BENCHMARK(BM_SortShuffledBook)->Unit(benchmark::kMillisecond);

void BM_SortReversedBook(benchmark::State& state) {
    sortFile(state, &Books::reversed);
}
BENCHMARK(BM_SortReversedBook)->Unit(benchmark::kMillisecond);

void BM_SortBookWithNewerEntriesAtTheEnd(benchmark::State& state) {
    sortFile(state, &Books::appended);
}
BENCHMARK(BM_SortBookWithNewerEntriesAtTheEnd)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
