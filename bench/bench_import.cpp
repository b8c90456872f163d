// Benchmark of the comma-delimited import: a bank file of 100,000 lines into an empty
// record file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "import/comma_import.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "store/record_file.h"

namespace qbk::bench {
namespace {

constexpr std::size_t kLines = 100000;

// One CSV file for the whole run, in a temporary folder: date, amount, note,
// category, two user fields, as a bank's export would have them.
struct BankFile {
    BankFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        csv = joinPath(folder, "bank.csv");
        book = joinPath(folder, "quillbank.dat");
        static const char* const kNotes[] = {
            "Groceries at the corner shop", "Fuel", "Monthly rent", "Salary", "Coffee with Sam",
            "Caf\xC3\xA9 du Parc"};
        static const char* const kCodes[] = {"FOOD", "CAR", "HOUSE", "JOB", "FUN"};
        std::string text;
        text.reserve(kLines * 64);
        for (std::size_t i = 0; i < kLines; ++i) {
            text += std::to_string(i % 12 + 1) + "/" + std::to_string(i % 28 + 1) + "/" +
                    std::to_string(1990 + i % 30) + ",";
            text += (i % 7 == 0 ? "" : "-") + std::to_string(i % 5000) + "." +
                    std::to_string(10 + i % 90) + ",";
            text += std::string(kNotes[i % 6]) + " " + std::to_string(i) + ",";
            text += std::string(kCodes[i % 5]) + ",cash,visa\r\n";
        }
        writeFileAtomically(csv, text);
    }
    ~BankFile() { std::filesystem::remove_all(folder); }
    std::string folder, csv, book;
};

void BM_ImportCsv100k(benchmark::State& state) {
    static BankFile file;
    const RegionalSettings regional = RegionalSettings::unitedStates();
    const ImportLinks links{"1", "2", "3", "4", "5", "6"};
    const ManualClock clock(serialFromDate(2026, 12, 7), 43200);
    std::size_t imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(file.book, "");
        StampSource stamps(clock);
        state.ResumeTiming();
        imported = importIntoRecordFile(file.csv, file.book, links, regional, stamps);
    }
    state.counters["entries"] = static_cast<double>(imported);
}
BENCHMARK(BM_ImportCsv100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
