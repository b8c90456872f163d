// Benchmarks of the import: bank files of 10,000, 100,000 and 1,000,000 comma-delimited
// lines, statements of 100,000 transactions (OFX and QIF, with payee rules), and a 10 MB
// line of commas, each into an empty book.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/import_run.h"
#include "import/comma_import.h"
#include "import/payee_rules.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "store/record_file.h"

namespace qbk::bench {
namespace {

constexpr std::size_t kLines = 100000;

// A CSV file of `lines` lines in a temporary folder: date, amount, note, category, two
// user fields, as a bank's export would have them.
struct BankFile {
    explicit BankFile(std::size_t lines = kLines) {
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
        text.reserve(lines * 64);
        for (std::size_t i = 0; i < lines; ++i) {
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

void BM_ImportCsv(benchmark::State& state) {
    const BankFile file(static_cast<std::size_t>(state.range(0)));
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
BENCHMARK(BM_ImportCsv)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A statement of kLines transactions in one of the two formats, and a rules file of
// twenty rules, in a temporary folder that is also the book.
struct StatementFile {
    explicit StatementFile(bool ofx) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        path = joinPath(folder, ofx ? "bank.ofx" : "bank.qif");
        static const char* const kPayees[] = {"CORNER SHOP",  "SHELL FUEL",          "LANDLORD LTD",
                                              "ACME PAYROLL", "CAF\xC3\x89 DU PARC", "BUS PASS"};
        std::string text;
        text.reserve(kLines * 160);
        if (ofx)
            text +=
                "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\n\r\n<OFX>\r\n"
                "<BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKACCTFROM><ACCTID>123456"
                "</BANKACCTFROM>\r\n<BANKTRANLIST>\r\n";
        else
            text += "!Type:Bank\r\n";
        for (std::size_t i = 0; i < kLines; ++i) {
            const std::string amount = (i % 7 == 0 ? "" : "-") + std::to_string(i % 5000) + "." +
                                       std::to_string(10 + i % 90);
            const std::string payee = std::string(kPayees[i % 6]) + " " + std::to_string(i);
            const int y = 1990 + static_cast<int>(i % 30), m = static_cast<int>(i % 12) + 1,
                      d = static_cast<int>(i % 28) + 1;
            char date[16];
            if (ofx) {
                std::snprintf(date, sizeof date, "%04d%02d%02d", y, m, d);
                text += "<STMTTRN>\r\n<TRNTYPE>DEBIT\r\n<DTPOSTED>" + std::string(date) +
                        "120000[-5:EST]\r\n<TRNAMT>" + amount + "\r\n<FITID>" +
                        std::to_string(900000 + i) + "\r\n<NAME>" + payee +
                        "\r\n<MEMO>Card 1234\r\n</STMTTRN>\r\n";
            } else {
                std::snprintf(date, sizeof date, "%02d/%02d/%04d", m, d, y);
                text += "D" + std::string(date) + "\r\nT" + amount + "\r\nP" + payee +
                        "\r\nMCard 1234\r\nN" + std::to_string(i % 1000) + "\r\n^\r\n";
            }
        }
        if (ofx) text += "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
        writeFileAtomically(path, text);
        PayeeRules rules;
        for (int r = 0; r < 20; ++r)
            rules.push_back({"NOT A PAYEE " + std::to_string(r), "X" + std::to_string(r)});
        rules.push_back({"shell", "CAR"});
        rules.push_back({"landlord", "HOUSE"});
        writePayeeRules(joinPath(folder, kPayeeRulesFileName), rules);
    }
    ~StatementFile() { std::filesystem::remove_all(folder); }
    std::string folder, path;
};

void importStatement(benchmark::State& state, StatementFile& file) {
    const RegionalSettings regional = RegionalSettings::unitedStates();
    const ManualClock clock(serialFromDate(2026, 12, 7), 43200);
    ImportRequest request;
    request.dataFolder = file.folder;
    request.importPath = file.path;
    std::size_t imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(joinPath(file.folder, "quillbank.dat"), "");
        removeFile(joinPath(file.folder, "quillbank.ids"));
        removeFile(joinPath(file.folder, "category.dat"));
        StampSource stamps(clock);
        state.ResumeTiming();
        imported = runImport(request, regional, stamps).added;
    }
    state.counters["entries"] = static_cast<double>(imported);
}

void BM_ImportOfx100k(benchmark::State& state) {
    static StatementFile file(true);
    importStatement(state, file);
}
BENCHMARK(BM_ImportOfx100k)->Unit(benchmark::kMillisecond);

void BM_ImportQif100k(benchmark::State& state) {
    static StatementFile file(false);
    importStatement(state, file);
}
BENCHMARK(BM_ImportQif100k)->Unit(benchmark::kMillisecond);

// A damaged file: one line of ten million commas, which the import passes over as blank.
void BM_ImportLineOfCommas10MB(benchmark::State& state) {
    static BankFile folder;
    const std::string csv = joinPath(folder.folder, "commas.csv");
    writeFileAtomically(csv, std::string(10000000, ',') + "\r\n");
    const RegionalSettings regional = RegionalSettings::unitedStates();
    const ImportLinks links{"1", "2", "3", "4", "5", "6"};
    const ManualClock clock(serialFromDate(2026, 12, 7), 43200);
    for (auto _ : state) {
        StampSource stamps(clock);
        benchmark::DoNotOptimize(importIntoRecordFile(csv, folder.book, links, regional, stamps));
    }
}
BENCHMARK(BM_ImportLineOfCommas10MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

BENCHMARK_MAIN();
