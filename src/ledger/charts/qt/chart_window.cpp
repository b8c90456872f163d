#include "charts/qt/chart_window.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLegend>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "charts/qt/chart_files.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "reports/report_output.h"

namespace qbk {
namespace {

constexpr const char* kPictureFilter = "PNG picture|*.png|SVG drawing|*.svg|PDF document|*.pdf";
constexpr const char* kPdfFilter = "PDF document|*.pdf";

QChartView* newView(QWidget* parent, const char* name) {
    auto* view = new QChartView(parent);
    view->setObjectName(QString::fromUtf8(name));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

// Replaces the view's chart; the old one goes with it. The view carries the chart as
// text for assistive technology.
void setChart(QChartView* view, QChart* chart, const RegionalSettings& regional) {
    // The chart's paper and text follow the window's palette, dark or light.
    const QPalette palette = view->palette();
    chart->setBackgroundBrush(palette.brush(QPalette::Base));
    chart->setTitleBrush(palette.brush(QPalette::Text));
    chart->legend()->setLabelColor(palette.color(QPalette::Text));
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsColor(palette.color(QPalette::Text));
        axis->setLinePenColor(palette.color(QPalette::Text));
        axis->setGridLineColor(palette.color(QPalette::Mid));
    }
    QChart* old = view->chart();
    view->setChart(chart);
    view->setAccessibleName(ChartWindow::tr("Chart"));
    view->setAccessibleDescription(chartTextAlternative(*chart, regional));
    delete old;
}

// A chosen file name, with ".png" added when it names none of the formats.
std::string withPictureExtension(std::string path) {
    if (!pictureFormatOf(path)) path += ".png";
    return path;
}

}  // namespace

ChartWindow::ChartWindow(ChartData data, const RegionalSettings& regional, Prompts& prompts,
                         Printer& printer, QWidget* parent)
    : QWidget(parent, Qt::Window),
      data_(std::move(data)),
      regional_(regional),
      prompts_(prompts),
      printer_(printer) {
    setObjectName(QStringLiteral("ChartWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Charts - ") + qs(data_.subject));
    createTabs();
    createControls();
    showCategories();
    resize(960, 640);
}

void ChartWindow::createTabs() {
    const ChartColours colours = ChartColours::of(palette());
    const QString subtitle = chartSubtitle(data_, regional_);

    auto* categoryPage = new QWidget;
    sectionBox_ = new QComboBox(categoryPage);
    sectionBox_->setObjectName(QStringLiteral("ChartSection"));
    sectionBox_->addItems({tr("Money out"), tr("Money in")});
    pieBox_ = new QCheckBox(tr("Pi&e chart"), categoryPage);
    pieBox_->setObjectName(QStringLiteral("ChartPie"));
    categoryView_ = newView(categoryPage, "CategoryChart");
    auto* choices = new QHBoxLayout;
    auto* show = new QLabel(tr("S&how:"), categoryPage);
    show->setBuddy(sectionBox_);
    choices->addWidget(show);
    choices->addWidget(sectionBox_);
    choices->addWidget(pieBox_);
    choices->addStretch();
    choices->addWidget(new QLabel(tr("Click a category to list its entries."), categoryPage));
    auto* categoryLayout = new QVBoxLayout(categoryPage);
    categoryLayout->addLayout(choices);
    categoryLayout->addWidget(categoryView_);
    connect(sectionBox_, &QComboBox::currentIndexChanged, this, [this] { showCategories(); });
    connect(pieBox_, &QCheckBox::toggled, this, [this] { showCategories(); });

    periodView_ = newView(nullptr, "PeriodChart");
    setChart(periodView_,
             periodChartPicture(data_.periods, data_.periodLength, subtitle, regional_, colours),
             regional_);
    balanceView_ = newView(nullptr, "BalanceChart");
    setChart(balanceView_, balanceChartPicture(data_.balance, subtitle, regional_, colours),
             regional_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("ChartTabs"));
    tabs_->addTab(categoryPage, tr("By &Category"));
    tabs_->addTab(periodView_, QLatin1Char('&') + periodTitle(data_.periodLength));
    tabs_->addTab(balanceView_, tr("&Balance"));
    if (!data_.ahead.empty()) {
        aheadView_ = newView(nullptr, "BalanceAheadChart");
        const QString low =
            qs("Lowest balance ahead: " + regional_.currencyText(data_.lowAhead.balance) + " on " +
               regional_.shortDate(data_.lowAhead.day));
        setChart(aheadView_,
                 balanceAheadPicture(data_.ahead, data_.lowAhead, low, regional_, colours),
                 regional_);
        tabs_->addTab(aheadView_, tr("Balance &Ahead"));
    }
}

void ChartWindow::createControls() {
    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(tip);
        return b;
    };
    saveButton_ = button("SaveChartButton", tr("&Save Picture..."),
                         tr("Save the chart shown as a PNG, SVG or PDF file"));
    copyButton_ =
        button("CopyChartButton", tr("C&opy"), tr("Copy the chart shown to the clipboard"));
    printButton_ = button("PrintChartButton", tr("&Print"), tr("Print the chart shown"));
    closeButton_ = button("CloseChartButton", tr("C&lose"), tr("Close the charts"));
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveChart(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] { copyChart(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { printChart(); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton_);
    buttons->addWidget(copyButton_);
    buttons->addWidget(printButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
}

void ChartWindow::showCategories() {
    const bool moneyOut = sectionBox_->currentIndex() == 0;
    const CategorySection& section =
        moneyOut ? data_.categories.moneyOut : data_.categories.moneyIn;
    bars_ = largestFirst(section, regional_);
    const auto chosen = [this](std::size_t i) {
        if (i < bars_.size() && !bars_[i].code.empty()) emit categoryChosen(bars_[i].code);
    };
    setChart(categoryView_,
             categoryChartPicture(
                 bars_, moneyOut, pieBox_->isChecked() ? CategoryStyle::Pie : CategoryStyle::Bars,
                 chartSubtitle(data_, regional_), regional_, ChartColours::of(palette()), chosen),
             regional_);
}

QChartView* ChartWindow::chartView(Tab tab) const {
    switch (tab) {
        case ByCategory:
            return categoryView_;
        case ByPeriod:
            return periodView_;
        case Balance:
            return balanceView_;
        case BalanceAhead:
            return aheadView_;
    }
    return nullptr;
}

QChartView* ChartWindow::currentView() const {
    if (QChartView* view = chartView(static_cast<Tab>(tabs_->currentIndex()))) return view;
    // A tab added beside the three (the budget's): its first chart.
    QWidget* page = tabs_->currentWidget();
    if (auto* view = qobject_cast<QChartView*>(page)) return view;
    return page->findChild<QChartView*>();
}

void ChartWindow::saveChart() {
    const std::string chosen =
        prompts_.saveFile({"Save Chart As...", kPictureFilter, "chart.png", ""});
    if (chosen.empty()) return;
    const std::string path = withPictureExtension(chosen);
    if (fileLength(path) > 0 && prompts_.message(overwriteQuestion(path)) != Answer::Ok) return;
    prompts_.attempt([&] { savePicture(*currentView(), path, *pictureFormatOf(path)); });
}

void ChartWindow::copyChart() {
    copyPicture(*currentView());
}

void ChartWindow::printChart() {
    prompts_.attempt([&] {
        if (printer_.available()) {
            QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
            printPicture(*currentView(), printer);
            return;
        }
        if (!prompts_.confirm("No printer is installed. Save the chart as a PDF document instead?",
                              "Print Chart"))
            return;
        const std::string chosen =
            prompts_.saveFile({"Save Chart As PDF...", kPdfFilter, "chart.pdf", ""});
        if (chosen.empty()) return;
        std::string path = chosen;
        if (pictureFormatOf(path) != PictureFormat::Pdf) path += ".pdf";
        if (fileLength(path) > 0 && prompts_.message(overwriteQuestion(path)) != Answer::Ok) return;
        savePicture(*currentView(), path, PictureFormat::Pdf);
    });
}

}  // namespace qbk
