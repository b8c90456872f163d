// Benchmarks of the main window on a 100,000-entry book (offscreen platform): start-up
// to a shown window, the refresh of a category double-click, and the Charts window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/qt/controllers.h"
#include "book_generator.h"
#include "charts/qt/chart_commands.h"
#include "charts/qt/chart_window.h"
#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/files.h"
#include "store/settings_record.h"

namespace qbk::bench {
namespace {

// Answers every message box with its first button; the benchmarks expect none.
class SilentPrompts final : public Prompts {
  public:
    Answer message(const Message&) override { return Answer::Ok; }
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
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

// A program folder holding a 100,000-entry book and settings that show five years.
struct ProgramFolder {
    ProgramFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qbk-bench-XXXXXX").string();
        path = withTrailingSlash(::mkdtemp(pattern.data()));
        writeBook(path, BookOptions{100000});
        SettingsRecord s = SettingsRecord::defaults();
        s.setStartupRange(1825);
        writeFileAtomically(path + "qbk3.ini", s.bytes());
    }
    ~ProgramFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

struct Fixture {
    Fixture()
        : services{prompts,     shell, printer, help, clock, RegionalSettings::unitedStates(),
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
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_StartUpToShownWindow(benchmark::State& state) {
    std::size_t rows = 0;
    for (auto _ : state) {
        auto window = fixture().startWindow();
        if (!window->isVisible()) state.SkipWithError("the window is not shown");
        rows = static_cast<std::size_t>(window->mainGridModel()->rowCount());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CategoryDoubleClick(benchmark::State& state) {
    auto window = fixture().startWindow();
    const bool wholeBook = state.range(0) == 1;
    if (wholeBook) window->state().RangeStart = "01/01/1900";
    int row = 0;
    for (auto _ : state) {
        // Alternate between a category and all categories, as a user narrows and widens.
        if (row++ % 2 == 0) {
            window->categoryGrid()->setCurrentIndex(window->categoryGridModel()->index(8, 0));
            window->CategoryGrid_DblClick();
        } else {
            window->mu_AllCats_Click();
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CategoryDoubleClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
