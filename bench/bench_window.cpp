// Benchmarks of the main window (offscreen platform) on books of 10,000, 100,000 and
// 1,000,000 entries: start-up to a shown window, the interactions of the list (refresh,
// category double-click, search), and the Charts window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/qt/controllers.h"
#include "book_generator.h"
#include "charts/qt/chart_commands.h"
#include "charts/qt/chart_window.h"
#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/cached_file.h"
#include "platform/files.h"
#include "store/settings_record.h"

namespace qbk::bench {
namespace {

// Answers every message box with its first button (the benchmarks expect none) and
// every input box with `answer`.
class SilentPrompts final : public Prompts {
  public:
    Answer message(const Message&) override { return Answer::Ok; }
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override {
        return answer;
    }
    std::optional<std::string> answer;
    std::string openFile(const FileDialog&, bool) override { return {}; }
    std::string saveFile(const FileDialog&) override { return {}; }
};
class NoShell final : public Shell {
  public:
    bool openDocument(const std::string&) override { return true; }
    bool openUrl(const std::string&) override { return true; }
    bool startProgram(const std::string&, const std::vector<std::string>&,
                      const std::string&) override {
        return true;
    }
};
class NoPrinter final : public Printer {
  public:
    bool available() override { return false; }
    std::unique_ptr<PdfFile> openPdf(const std::string&) override { return nullptr; }
    void beginJob(const PageSetup&) override {}
    void printLine(const std::string&) override {}
    void endJob() override {}
};
class NoHelp final : public HelpViewer {
  public:
    void showContents() override {}
    void quit() override {}
};

// A program folder holding a book of `entries` entries and settings that show five years.
struct ProgramFolder {
    ProgramFolder(std::size_t entries, double years) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        path = withTrailingSlash(::mkdtemp(pattern.data()));
        BookOptions options;
        options.entries = entries;
        options.years = years;
        writeBook(path, options);
        SettingsRecord s = SettingsRecord::defaults();
        s.setStartupRange(1825);
        writeFileAtomically(path + "qbk3.ini", s.bytes());
        // A book written this instant is read again at each refresh, as it may still be
        // changing; a user's book has been still for longer than that.
        std::this_thread::sleep_for(CachedFile::kSettleTime);
    }
    ~ProgramFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

struct Fixture {
    Fixture(std::size_t entries, double years)
        : folder(entries, years), services{prompts,     shell, printer,
                                           help,        clock, RegionalSettings::unitedStates(),
                                           folder.path, [] {}} {}
    std::unique_ptr<QBK_3_Main> startWindow() {
        auto window = std::make_unique<QBK_3_Main>(services);
        installControllers(*window);
        window->Form_Load();
        QApplication::processEvents();
        return window;
    }
    ProgramFolder folder;
    SilentPrompts prompts;
    NoShell shell;
    NoPrinter printer;
    NoHelp help;
    ManualClock clock{BookOptions{}.newest, 43200};
    Services services;
    std::size_t entries = 0;
    double years = 0;
};

// One book on disk at a time (a million entries take 125 MB): `entries` entries, about a
// dozen a day or, when `years` is above 0, spread over that many years.
Fixture& fixture(std::size_t entries = 100000, double years = 0) {
    static std::unique_ptr<Fixture> f;
    if (!f || f->entries != entries || f->years != years) {
        f.reset();
        f = std::make_unique<Fixture>(entries, years);
        f->entries = entries;
        f->years = years;
    }
    return *f;
}

void BM_StartUpToShownWindow(benchmark::State& state) {
    Fixture& f =
        fixture(static_cast<std::size_t>(state.range(0)), static_cast<double>(state.range(1)));
    std::size_t rows = 0;
    for (auto _ : state) {
        auto window = f.startWindow();
        if (!window->isVisible()) state.SkipWithError("the window is not shown");
        rows = static_cast<std::size_t>(window->mainGridModel()->rowCount());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_StartUpToShownWindow)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({1000000, 20})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// One interaction with the list, from the user's action to the repainted window:
// a refresh of the same list, a double-click on a category, or a word search (F5)
// followed, as a user widens again, by Show All Categories (F8) in the next iteration.
enum Interaction { kRefresh, kCategoryDoubleClick, kWordSearch };

void BM_Interaction(benchmark::State& state) {
    Fixture& f = fixture(static_cast<std::size_t>(state.range(0)));
    auto window = f.startWindow();
    if (state.range(2) == 1) window->state().RangeStart = "01/01/1900";
    window->refreshList();
    f.prompts.answer = "FISH";
    const auto interaction = static_cast<Interaction>(state.range(1));
    bool widen = false;
    for (auto _ : state) {
        switch (interaction) {
            case kRefresh:
                window->refreshList();
                break;
            case kCategoryDoubleClick:
                window->categoryGrid()->setCurrentIndex(window->categoryGridModel()->index(8, 0));
                window->CategoryGrid_DblClick();
                break;
            case kWordSearch:
                window->runCommand(widen ? "mu_AllCats" : "mu_SearchFragment");
                widen = !widen;
                break;
        }
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->grab());
    }
    f.prompts.answer.reset();
    state.counters["rows"] = window->mainGridModel()->rowCount();
}
// Book size, interaction, and 0 = the start-up range of five years or 1 = every entry.
BENCHMARK(BM_Interaction)
    ->ArgsProduct({{10000, 100000, 1000000}, {kRefresh, kCategoryDoubleClick, kWordSearch}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// From the menu item to the Charts window painted: the list's entries over 20 years
// (about 88,000 of the book's 100,000), its three charts' numbers and the chart shown.
void BM_ChartsFromTheClick(benchmark::State& state) {
    auto window = fixture().startWindow();
    const RegionalSettings& regional = window->regional();
    window->state().RangeEnd = regional.shortDate(BookOptions{}.newest);
    window->state().RangeStart = regional.shortDate(BookOptions{}.newest - 20 * 365);
    window->refreshList();
    auto* commands = window->findChild<ChartCommands*>(QStringLiteral("ChartCommands"));
    for (auto _ : state) {
        window->runCommand("mu_ListCharts");
        ChartWindow* charts = commands->chartWindow();
        if (charts == nullptr) {
            state.SkipWithError("no Charts window");
            break;
        }
        QApplication::processEvents();
        benchmark::DoNotOptimize(charts->grab());
        state.PauseTiming();
        delete charts;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChartsFromTheClick)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qbk::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
