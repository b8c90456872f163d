#include "charts/qt/chart_command_line.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <memory>
#include <optional>

#include "charts/chart_entries.h"
#include "charts/qt/chart_files.h"
#include "charts/qt/chart_pictures.h"
#include "mainwindow/date_range.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/category_record.h"

namespace qbk {
namespace {

struct BadRequest {
    std::string message;
};

// The application the chart is drawn in: the running one, or one of our own on the
// offscreen platform, which needs no display.
class Application {
  public:
    Application() {
        if (QCoreApplication::instance() != nullptr) return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        own_ = std::make_unique<QApplication>(argc_, argv_);
    }

  private:
    int argc_ = 1;
    char name_[9] = "qbk3-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> own_;
};

DaySerial dateOf(const std::string& text, const RegionalSettings& regional) {
    const auto day = regional.parseDate(text);
    if (!day) throw BadRequest{"not a date: " + text};
    return *day;
}

// The list's entries and what the chart's subtitle says it holds.
struct ChartList {
    ReportSplit entries;
    std::string subject;
};

ChartList listOf(const ChartRequest& r, const ListQuery& range, const SettingsRecord& settings,
                 const std::vector<CategoryRecord>& categories) {
    const std::string book = joinPath(r.folder, std::string(kRecordFileName));
    if (r.categories.empty() && r.searches.empty())
        return {listedEntries(book, range, settings), std::string(kAllCategoriesName)};

    std::vector<ListQuery> queries;
    std::string subject;
    auto add = [&](ListQuery q, const std::string& said) {
        queries.push_back(std::move(q));
        subject += (subject.empty() ? "" : ", ") + said;
    };
    for (const std::string& code : r.categories) {
        ListQuery q = range;
        q.categoryFilterCode = fitField(code, category_layout::kCatCodeWidth);
        const CategoryRecord* found = nullptr;
        for (const CategoryRecord& c : categories)
            if (c.catCode == q.categoryFilterCode && found == nullptr) found = &c;
        if (found == nullptr) throw BadRequest{"no such category: " + code};
        add(q, "Category = " + std::string(trimBlanks(found->catName)));
    }
    for (const std::string& text : r.searches) {
        ListQuery q = range;
        q.searchArgument = ansiUpper(text);
        add(q, "Word Search = " + q.searchArgument);
    }
    return {reportListEntries(book, queries, settings), subject};
}

QChart* pictureOf(const std::string& kind, const ChartData& data, const RegionalSettings& regional,
                  const ChartColours& colours) {
    const QString subtitle = chartSubtitle(data, regional);
    if (kind == "categories")
        return categoryChartPicture(largestFirst(data.categories.moneyOut, regional), true,
                                    CategoryStyle::Bars, subtitle, regional, colours);
    if (kind == "months")
        return periodChartPicture(data.periods, data.periodLength, subtitle, regional, colours);
    return balanceChartPicture(data.balance, subtitle, regional, colours);
}

int render(const ChartRequest& r, const SettingsRecord& settings, const RegionalSettings& regional,
           DaySerial today, std::ostream& err) {
    if (!folderExists(r.folder)) throw BadRequest{"no such folder: " + r.folder};
    if (r.kind != "categories" && r.kind != "months" && r.kind != "balance")
        throw BadRequest{"the chart is categories, months or balance, not " + r.kind};
    const auto format = pictureFormatOf(r.out);
    if (r.out.empty() || !format || *format == PictureFormat::Pdf)
        throw BadRequest{"--out names a .png or .svg file"};

    const int fyStart = FiscalYearOf(today, settings.fyMonth(), settings.fyDay());
    const DateRange startup = SetRange(settings.startupRange(), 0, fyStart, settings.fyMonth(),
                                       settings.fyDay(), today, regional);
    ListQuery range;
    range.showAllCategories();
    range.rangeStart = dateOf(r.from.empty() ? startup.start : r.from, regional);
    range.rangeEnd = dateOf(r.to.empty() ? startup.end : r.to, regional);

    const std::vector<CategoryRecord> categories =
        readCategories(joinPath(r.folder, std::string(kCategoryFileName)));
    const ChartList list = listOf(r, range, settings, categories);
    if (!entrySpan(list.entries)) {
        err << "qbk3-cli: chart: the list holds no entries to chart\n";
        return 1;
    }
    ChartData data =
        chartData(list.entries, range.rangeStart, range.rangeEnd, categories, settings, regional);
    data.subject = list.subject;

    const Application application;
    QChartView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(kChartPictureWidth, kChartPictureHeight);
    view.setChart(pictureOf(r.kind, data, regional, ChartColours::of(view.palette())));
    view.show();
    QCoreApplication::processEvents();
    savePicture(view, r.out, *format);
    return 0;
}

}  // namespace

int runChartCommand(const ChartRequest& request, const SettingsRecord& settings,
                    const RegionalSettings& regional, DaySerial today, std::ostream& err) {
    try {
        return render(request, settings, regional, today, err);
    } catch (const BadRequest& bad) {
        err << "qbk3-cli: chart: " << bad.message << '\n';
        return 2;
    } catch (const OperationError& e) {
        err << "qbk3-cli: chart: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace qbk
