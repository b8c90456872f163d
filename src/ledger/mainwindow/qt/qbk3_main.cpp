#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/book_watcher.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "mainwindow/date_range.h"
#include "mainwindow/list_refresh.h"
#include "mainwindow/maintenance_texts.h"
#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/menu_layout.h"
#include "mainwindow/qt/status_panels.h"
#include "mainwindow/qt/wait_cursor.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/readable_colours.h"
#include "platform/qt/translations.h"
#include "platform/windows1252.h"
#include "reports/report_files.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/opening_balance.h"

namespace qbk {
namespace {

// Design sizes the layout keeps (pixels).
constexpr int kCategoryGridWidth = 330;
constexpr int kAllCategoryButtonHeight = 28;
// A tinted grid keeps room for the coloured amounts drawn on it.
constexpr double kTintContrast = 7.0;

// Lays out its children by the window's own rules whenever it is resized.
class LayoutArea : public QWidget {
  public:
    LayoutArea(std::function<void()> layout, QWidget* parent)
        : QWidget(parent), layout_(std::move(layout)) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        layout_();
    }

  private:
    std::function<void()> layout_;
};

// The category list finds a typed code from its top: the first category whose code
// begins with the letters typed in a row, as a sorted list is read.
class CategoryTable : public QTableView {
  public:
    using QTableView::QTableView;
    void keyboardSearch(const QString& search) override {
        if (!typing_.isValid() || typing_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        typing_.start();
        typed_ += search;
        for (const QString& wanted : {typed_, search}) {
            for (int row = 0; row < model()->rowCount(); ++row) {
                const QModelIndex index = model()->index(row, 0);
                if (model()->data(index).toString().startsWith(wanted, Qt::CaseInsensitive)) {
                    setCurrentIndex(index);
                    selectRow(row);
                    return;
                }
            }
            // Letters that begin no code: the last one alone starts a new search.
            typed_ = search;
        }
    }

  private:
    QString typed_;
    QElapsedTimer typing_;
};

void configureGrid(QTableView* grid) {
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setAutoFillBackground(true);
}

// Each column is as wide as its header text, blanks included, counted in characters of
// `charWidth` pixels.
void applyHeaderWidths(QTableView* grid, const std::vector<HeaderColumn>& columns, int charWidth) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int width = static_cast<int>(charCount(columns[i].title)) * charWidth + 8;
        grid->horizontalHeader()->resizeSection(static_cast<int>(i), width);
    }
}

}  // namespace

QBK_3_Main::QBK_3_Main(Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services), stamps_(services.clock) {
    setObjectName(QStringLiteral("QBK_3_Main"));
    setWindowTitle(QStringLiteral("Quillbank 3"));
    addTextTemplates({kItemsPanel, kCategoryPanel, kWordSearchPanel, kReportingPanel,
                      kSortingStatus, kPurgeFinished, kPurgeFinishedKeptAs, kRestoreFinished,
                      kFiscalYearLabel, kDaysLabel, kOneYearLabel, kYearsLabel});
    createActions();
    createMenus();
    createToolBars();
    createGrids();
    createFrames();
    createStatusBars();
    followOutsideChanges();
    setMinimumSize(2 * kCategoryGridWidth + 100, 360);
    resize(1180, 720);
    qApp->installEventFilter(this);

    setCommand("mu_AllCats", [this] { mu_AllCats_Click(); });
    setCommand("mu_DeleteEntry", [this] { deleteKey(); });
    setCommand("mu_GridFormat", [this] { mu_GridFormat_Click(); });
    setCommand("mu_DefaultDataFolder", [this] { mu_DefaultDataFolder_Click(); });
    setCommand("mu_AlternateFolder1", [this] { mu_AlternateFolder1_Click(); });
    setCommand("mu_AlternateFolder2", [this] { mu_AlternateFolder2_Click(); });
    setCommand("mu_SelectDataFolder", [this] { mu_SelectDataFolder_Click(); });
    setCommand("mu_HelpContents", [this] { mu_HelpContents_Click(); });
    setCommand("mu_Exit", [this] { mu_Exit_Click(); });
    setCommand("mu_ToolTipsOff", [this] { mu_ToolTipsOff_Click(); });
    setCommand("mu_ToolTipsOn", [this] { mu_ToolTipsOn_Click(); });
}

QBK_3_Main::~QBK_3_Main() {
    qApp->removeEventFilter(this);
    delete splash_;
}

// ---- Construction ----

void QBK_3_Main::createActions() {
    for (const MenuItemDef& item : menuItemDefs()) {
        if (std::string_view(item.name) == "-") continue;
        auto* action = new QAction(shownCaption(item), this);
        action->setObjectName(QString::fromUtf8(item.name));
        QList<QKeySequence> keys;
        for (const QString& k : QString::fromUtf8(item.shortcut).split(u';', Qt::SkipEmptyParts))
            keys.append(QKeySequence(k));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const std::string name = item.name;
        connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
        actions_.emplace(name, action);
    }
}

void QBK_3_Main::createMenus() {
    for (const MenuDef& def : menuDefs()) {
        QMenu* m = menuBar()->addMenu(shownCaption(def));
        m->setObjectName(QString::fromUtf8(def.name));
        menus_.emplace(def.name, m);
    }
    for (const MenuItemDef& item : menuItemDefs()) {
        QMenu* m = menus_.at(item.menu);
        if (std::string_view(item.name) == "-")
            m->addSeparator();
        else
            m->addAction(actions_.at(item.name));
    }
}

namespace {

constexpr int kToolIconSide = 24;

// Every button's picture fills the same square, so that all captions stand on one line;
// drawn for screens at one, two and three device pixels a pixel, so that it stays sharp
// at QT_SCALE_FACTOR=2.
QIcon squareIcon(const QIcon& icon) {
    QIcon square;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(kToolIconSide * scale, kToolIconSide * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const QPixmap picture = icon.pixmap(QSize(kToolIconSide, kToolIconSide), scale);
        const QSize size = picture.deviceIndependentSize().toSize();
        painter.drawPixmap(
            QRectF((kToolIconSide - size.width()) / 2.0, (kToolIconSide - size.height()) / 2.0,
                   size.width(), size.height()),
            picture, QRectF(picture.rect()));
        painter.end();
        square.addPixmap(pixmap);
    }
    return square;
}

// A new sheet with a green plus: the style's plain file picture looks disabled.
void drawNewSheet(QPixmap& picture) {
    const qreal s = kToolIconSide;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(s * 0.18, s * 0.06);
    sheet.lineTo(s * 0.58, s * 0.06);
    sheet.lineTo(s * 0.80, s * 0.28);
    sheet.lineTo(s * 0.80, s * 0.94);
    sheet.lineTo(s * 0.18, s * 0.94);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(70, 70, 70), 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y : {0.36, 0.48, 0.60})
        painter.drawLine(QPointF(s * 0.28, s * y), QPointF(s * 0.66, s * y));
    painter.setPen(QPen(QColor(0, 150, 0), s * 0.14, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(s * 0.70, s * 0.58), QPointF(s * 0.70, s * 0.98));
    painter.drawLine(QPointF(s * 0.50, s * 0.78), QPointF(s * 0.90, s * 0.78));
}

QIcon newSheetIcon() {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap picture(kToolIconSide * scale, kToolIconSide * scale);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::transparent);
        drawNewSheet(picture);
        icon.addPixmap(picture);
    }
    return icon;
}

}  // namespace

QAction* QBK_3_Main::addToolButton(QToolBar* bar, const ToolButtonDef& def) {
    static const std::map<std::string_view, QStyle::StandardPixmap> kIcons = {
        {"Macro", QStyle::SP_MediaPlay},
        {"Notes", QStyle::SP_FileDialogDetailedView},
        {"Search", QStyle::SP_FileDialogContentsView},
        {"Reports", QStyle::SP_FileDialogListView},
        {"Web", QStyle::SP_DriveNetIcon},
        {"Help", QStyle::SP_DialogHelpButton},
        {"Quit", QStyle::SP_DialogCloseButton},
        {"Quick", QStyle::SP_FileDialogInfoView},
        {"Full", QStyle::SP_FileDialogDetailedView},
        {"Build", QStyle::SP_ArrowBack},
        {"Print", QStyle::SP_ComputerIcon},
        {"Edit", QStyle::SP_FileDialogStart},
        {"File", QStyle::SP_DialogSaveButton},
        {"Export", QStyle::SP_DriveFDIcon},
        {"Charts", QStyle::SP_DesktopIcon},
    };
    const bool fresh = std::string_view(def.key) == "New";
    QAction* button = bar->addAction(
        fresh ? newSheetIcon() : squareIcon(style()->standardIcon(kIcons.at(def.key))),
        shownCaption(def));
    button->setObjectName(bar->objectName() + QLatin1Char('_') + QString::fromUtf8(def.key));
    button->setData(QString::fromUtf8(def.key));
    button->setToolTip(shownToolTip(def));
    buttonCommands_[button] = def.command;
    const std::string command = def.command;
    connect(button, &QAction::triggered, this, [this, command] { runCommand(command); });
    return button;
}

void QBK_3_Main::createToolBars() {
    MainToolBar = new QToolBar(QStringLiteral("MainToolBar"), this);
    MainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    ReportToolBar = new QToolBar(QStringLiteral("ReportToolBar"), this);
    ReportToolBar->setObjectName(QStringLiteral("ReportToolBar"));
    for (QToolBar* bar : {MainToolBar, ReportToolBar}) {
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setIconSize(QSize(kToolIconSide, kToolIconSide));
        addToolBar(Qt::TopToolBarArea, bar);
    }
    for (const ToolButtonDef& def : mainToolBarDefs())
        mainButtons_[def.key] = addToolButton(MainToolBar, def);
    for (const ToolButtonDef& def : reportToolBarDefs())
        reportButtons_[def.key] = addToolButton(ReportToolBar, def);
    // The two toolbars share one place: report mode shows one and hides the other.
    ReportToolBar->hide();
}

void QBK_3_Main::createGrids() {
    central_ = new LayoutArea([this] { Form_Resize(); }, this);
    central_->setObjectName(QStringLiteral("MainArea"));
    setCentralWidget(central_);

    MainGrid = new QTableView(central_);
    MainGrid->setObjectName(QStringLiteral("MainGrid"));
    mainGridModel_ = new MainGridModel(this);
    MainGrid->setModel(mainGridModel_);
    configureGrid(MainGrid);
    // Several entries can be marked cleared at once; every other command takes the
    // current row.
    MainGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MainGrid->setToolTip(tr("Double-click any line item to edit"));
    MainGrid->setAccessibleName(tr("Entries"));
    // Widths the user gives the columns are kept for the column order they belong to.
    connect(MainGrid->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (settingWidths_ || column >= MainGridModel::kStampColumn) return;
                QList<int>& widths = columnWidths_[state_.ProgramSettings.gridOrder()];
                while (widths.size() <= column)
                    widths.append(
                        MainGrid->horizontalHeader()->sectionSize(static_cast<int>(widths.size())));
                widths[column] = width;
            });
    connect(MainGrid, &QTableView::doubleClicked, this, [this] { emit openEntryRequested(); });
    // Del belongs to the list: in the boxes of the forms it deletes characters.
    QAction* deleteEntry = action("mu_DeleteEntry");
    deleteEntry->setShortcutContext(Qt::WidgetShortcut);
    MainGrid->addAction(deleteEntry);

    AllCategoryButton = new QPushButton(tr("All Categories <F8>"), central_);
    AllCategoryButton->setObjectName(QStringLiteral("AllCategoryButton"));
    AllCategoryButton->setToolTip(tr("Click to display all categories"));
    AllCategoryButton->setFixedHeight(kAllCategoryButtonHeight);
    connect(AllCategoryButton, &QPushButton::clicked, this, [this] { mu_AllCats_Click(); });

    CategoryGrid = new CategoryTable(central_);
    CategoryGrid->setObjectName(QStringLiteral("CategoryGrid"));
    categoryGridModel_ = new CategoryGridModel(this);
    CategoryGrid->setModel(categoryGridModel_);
    configureGrid(CategoryGrid);
    // Codes stand with their padding: a column of ten digits' width holds them whole.
    applyHeaderWidths(CategoryGrid, categoryGridModel_->columns(),
                      CategoryGrid->fontMetrics().horizontalAdvance(QLatin1Char('0')));
    CategoryGrid->horizontalHeader()->setStretchLastSection(true);
    CategoryGrid->setToolTip(tr("Double-click any category to narrow your view"));
    CategoryGrid->setAccessibleName(tr("Categories"));
    connect(CategoryGrid, &QTableView::clicked, this, [this] { CategoryGrid_Click(); });
    connect(CategoryGrid, &QTableView::doubleClicked, this, [this] { CategoryGrid_DblClick(); });

    for (QTableView* grid : {MainGrid, CategoryGrid}) {
        grid->installEventFilter(this);
        setGridBackground(grid, QColor());
    }

    Viewer = new QPlainTextEdit(central_);
    Viewer->setObjectName(QStringLiteral("Viewer"));
    Viewer->setAccessibleName(tr("Report"));
    Viewer->setReadOnly(true);
    Viewer->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPointSizeF(8.25);
    fixed.setBold(true);
    Viewer->setFont(fixed);
    Viewer->hide();
}

void QBK_3_Main::createFrames() {
    auto frame = [this](const char* name) {
        auto* f = new QFrame(central_);
        f->setObjectName(QString::fromUtf8(name));
        f->setFrameShape(QFrame::StyledPanel);
        f->setFrameShadow(QFrame::Raised);
        f->setAutoFillBackground(true);
        f->hide();
        return f;
    };
    EditFrame = frame("EditFrame");
    CategoryFrame = frame("CategoryFrame");
    DateDialFrame = frame("DateDialFrame");

    UDFSearchPrompt = new QPushButton(central_);
    UDFSearchPrompt->setObjectName(QStringLiteral("UDFSearchPrompt"));
    UDFSearchPrompt->hide();
    UDFSearchList = new QListWidget(central_);
    UDFSearchList->setObjectName(QStringLiteral("UDFSearchList"));
    UDFSearchList->setAccessibleName(tr("Values of the user field"));
    UDFSearchList->hide();

    ProgressBar1 = new QProgressBar(central_);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();
}

void QBK_3_Main::createStatusBars() {
    DisplayStatusBar =
        new StatusPanels(QStringLiteral("DisplayStatusBar"), {3, 3, 3, 2, 5, 4}, central_);
    GeneralStatusBar = new StatusPanels(QStringLiteral("GeneralStatusBar"), {3, 2}, central_);
}

// ---- Commands ----

void QBK_3_Main::setCommand(std::string_view name, std::function<void()> command) {
    commands_[std::string(name)] = std::move(command);
    if (QAction* a = action(name)) a->setVisible(true);
    for (auto& [button, target] : buttonCommands_)
        if (target == name) button->setVisible(true);
}

void QBK_3_Main::runCommand(std::string_view name) {
    const auto it = commands_.find(name);
    if (it != commands_.end() && it->second) it->second();
}

bool QBK_3_Main::hasCommand(std::string_view name) const {
    return commands_.count(std::string(name)) > 0;
}

void QBK_3_Main::finishCommands() {
    for (auto& [name, a] : actions_)
        if (!hasCommand(name)) a->setVisible(false);
    for (auto& [button, target] : buttonCommands_)
        if (!hasCommand(target)) button->setVisible(false);
    // A menu whose items are all hidden goes too.
    for (auto& [name, m] : menus_) {
        bool any = false;
        for (QAction* a : m->actions())
            any = any || (!a->isSeparator() && a->isVisible());
        m->menuAction()->setVisible(any);
    }
}

QAction* QBK_3_Main::action(std::string_view name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* QBK_3_Main::menu(std::string_view name) const {
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* QBK_3_Main::mainToolButton(std::string_view key) const {
    const auto it = mainButtons_.find(key);
    return it == mainButtons_.end() ? nullptr : it->second;
}

QAction* QBK_3_Main::reportToolButton(std::string_view key) const {
    const auto it = reportButtons_.find(key);
    return it == reportButtons_.end() ? nullptr : it->second;
}

// ---- Layout ----

void QBK_3_Main::Form_Resize() {
    const int width = central_->width();
    const int height = central_->height();
    const int displayHeight = DisplayStatusBar->sizeHint().height();
    const int generalHeight = GeneralStatusBar->sizeHint().height();
    const int bars = displayHeight + generalHeight;
    DisplayStatusBar->setGeometry(0, height - bars, width, displayHeight);
    // The cleared balance only where the five panels of the list keep their room.
    DisplayStatusBar->setPanelVisible(
        display_panel::kClearedBalance,
        width >= kClearedBalanceWidth && !state_.ReportMode && !state_.MacroMode &&
            !DisplayStatusBar->panelText(display_panel::kClearedBalance).isEmpty());
    GeneralStatusBar->setGeometry(0, height - generalHeight, width, generalHeight);
    if (width <= 2 * kCategoryGridWidth || height <= bars * 3) return;  // too small to lay out

    // The window's inner height counts the toolbar row above this area, where the grid's
    // top stands; the grid ends just above the status bars.
    const QToolBar* toolBar = ReportToolBar->isVisible() ? ReportToolBar : MainToolBar;
    const int innerHeight = height + (toolBar->isVisible() ? toolBar->height() : 0);
    const int gridHeight = std::min(static_cast<int>(innerHeight - 2.2 * bars), height - bars);
    const int buttonHeight = AllCategoryButton->height();
    const QRect grid(0, 0, width - kCategoryGridWidth, gridHeight);
    MainGrid->setGeometry(grid);
    AllCategoryButton->setGeometry(grid.x() + grid.width(),
                                   grid.y() + static_cast<int>(0.1 * buttonHeight),
                                   kCategoryGridWidth, buttonHeight);
    CategoryGrid->setGeometry(AllCategoryButton->x(), AllCategoryButton->y() + buttonHeight,
                              kCategoryGridWidth,
                              static_cast<int>(grid.height() - 1.1 * buttonHeight));
    for (QFrame* frame : {EditFrame, CategoryFrame, DateDialFrame})
        centerFrame(frame);
    ProgressBar1->setGeometry(grid.x(), grid.y() + static_cast<int>(1.01 * grid.height()), width,
                              displayHeight);
    Viewer->setGeometry(0, grid.y(), width, grid.height());
    UDFSearchPrompt->setGeometry(AllCategoryButton->geometry());
    UDFSearchList->setGeometry(CategoryGrid->geometry());

    // The buttons share what the bar's frame, margins and spacing leave of the width, so
    // that all of them stay on the bar.
    const auto buttonRoom = [this, width](const QToolBar* bar) {
        const int margin = style()->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, bar) +
                           style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, bar);
        const int spacing = style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, bar);
        return width - 2 * margin - spacing * (static_cast<int>(bar->actions().size()) - 1);
    };
    const auto share = [&buttonRoom](const QToolBar* bar) {
        return static_cast<int>(buttonRoom(bar) /
                                (static_cast<double>(bar->actions().size()) + 0.05));
    };
    const int mainButton = share(MainToolBar);
    const int reportButton = share(ReportToolBar);
    for (QAction* a : MainToolBar->actions())
        if (QWidget* w = MainToolBar->widgetForAction(a)) w->setFixedWidth(mainButton);
    for (QAction* a : ReportToolBar->actions())
        if (QWidget* w = ReportToolBar->widgetForAction(a)) w->setFixedWidth(reportButton);
}

void QBK_3_Main::centerFrame(QFrame* frame) {
    const QRect grid = MainGrid->geometry();
    const QSize size = frame->size();
    frame->move(grid.x() + (grid.width() - size.width()) / 2,
                grid.y() + (grid.height() - size.height()) / 2);
}

// ---- The list ----

std::string QBK_3_Main::searchArgument() const {
    const std::string upper = ansiUpper(state_.SearchText);
    if (state_.SearchCompleteWord && !upper.empty()) return " " + upper + " ";
    return upper;
}

void QBK_3_Main::refreshList(bool showErrors) {
    PopMainGrid(searchArgument(), showErrors);
}

void QBK_3_Main::releaseBook() {
    // A report's rows hold their own copies, and a refresh would add to the report.
    if (state_.ReportMode) return;
    book_.clear();
    mainGridModel_->clear();
    bookReleased_ = true;
}

void QBK_3_Main::PopMainGrid(const std::string& argument, bool showErrors) {
    bookReleased_ = false;
    ListQuery query;
    query.searchArgument = argument;
    query.categoryFilterCode = state_.CategoryFilterCode;
    query.categoryFilterName = state_.CategoryFilterName;
    query.macroMode = state_.MacroMode;
    const auto start = regional().parseDate(state_.RangeStart);
    const auto end = regional().parseDate(state_.RangeEnd);
    query.rangeStart = start.value_or(0);
    query.rangeEnd = end.value_or(0);
    if ((!start || !end) && !state_.MacroMode) {
        if (showErrors)
            showError(OperationError(
                errnum::kTypeMismatch,
                "Type mismatch (range " + state_.RangeStart + " - " + state_.RangeEnd + ")"));
        return;
    }
    const std::string reportList = services_.programFolder + std::string(report_files::kReportList);
    // The list's rows point into the book they were read from: a changed book is let go
    // of before it is read again, so that two copies of a big book are never held at once.
    if (!state_.ReportMode && !book_.holds(state_.RecordFilePath)) mainGridModel_->clear();
    ListView view;
    {
        WaitCursor wait;
        try {
            view = qbk::PopMainGrid(state_.RecordFilePath, book_, query, state_.ProgramSettings,
                                    regional(), state_.ReportMode ? &reportList : nullptr);
        } catch (const OperationError& e) {
            if (showErrors) showError(e);
            return;
        }
    }
    if (!state_.ReportMode) bookWatcher_->recordFileRead();
    const bool fileEmpty = view.recordCount == 0;
    const std::array<std::string, 5> panels = view.panels;
    const Money bookCleared = view.bookCleared;
    mainGridModel_->setHeaderFormat(view.headerFormat);
    if (view.headerFormat != widthsHeader_) {
        widthsHeader_ = view.headerFormat;
        applyColumnWidths();
    }
    std::size_t alreadyListed = 0;
    if (state_.ReportMode)
        alreadyListed = mainGridModel_->appendRows(std::move(view));
    else {
        mainGridModel_->setRows(std::move(view));
        emit listRefreshed(query);
    }

    if (mainGridModel_->rowCount() > 0 && !fileEmpty)
        selectMainGridRow(0);
    else
        MainGrid->setCurrentIndex(QModelIndex());

    if (state_.ReportMode) {
        DisplayStatusBar->setPanelVisible(display_panel::kClearedBalance, false);
        // Entries the list holds already are not added twice, and the user is told so.
        QString text =
            shownText(reportPanelText(static_cast<std::size_t>(mainGridModel_->rowCount())));
        if (alreadyListed > 0)
            text += QLatin1Char(' ') + (alreadyListed == 1 ? tr("%1 was already listed.")
                                                           : tr("%1 were already listed."))
                                           .arg(alreadyListed);
        DisplayStatusBar->setPanelText(display_panel::kReport, text);
        return;
    }
    for (int i = 0; i < 5; ++i)
        DisplayStatusBar->setPanelText(i + 1, shownText(panels[static_cast<std::size_t>(i)]));
    showClearedBalance(bookCleared);
}

void QBK_3_Main::showClearedBalance(Money bookCleared) {
    QHeaderView* header = MainGrid->horizontalHeader();
    // The mark stands first, where a narrow column is seen whatever the widths of the
    // others.
    if (header->visualIndex(MainGridModel::kClearedColumn) != 0) {
        header->moveSection(header->visualIndex(MainGridModel::kClearedColumn), 0);
        header->resizeSection(MainGridModel::kClearedColumn,
                              MainGrid->fontMetrics().averageCharWidth() * 2 + 8);
    }
    QString text;
    if (!state_.MacroMode) {
        try {
            text = tr("Cleared balance %1")
                       .arg(qs(regional().currencyText(readOpeningBalance(state_.DataFolder) +
                                                       bookCleared)));
        } catch (const OperationError&) {
            // A damaged opening balance is named by the reconcile; the list shows none.
        }
    }
    DisplayStatusBar->setPanelText(display_panel::kClearedBalance, text);
    DisplayStatusBar->setPanelVisible(display_panel::kClearedBalance,
                                      !text.isEmpty() && central_->width() >= kClearedBalanceWidth);
}

void QBK_3_Main::followOutsideChanges() {
    bookWatcher_ = new BookWatcher(this);
    connect(bookWatcher_, &BookWatcher::recordFileChanged, this,
            [this] { bookChangedOutside(false); });
    connect(bookWatcher_, &BookWatcher::categoryFileChanged, this,
            [this] { bookChangedOutside(true); });
}

// Another program changed the book: the lists show it, and the current entry stays
// current where it still exists. A report list is a snapshot and stays as it is.
void QBK_3_Main::bookChangedOutside(bool categories) {
    if (state_.ReportMode || state_.MacroMode || state_.RecordFilePath.empty()) return;
    if (categories) {
        const QModelIndex current = CategoryGrid->currentIndex();
        const std::string code = current.isValid() ? categoryGridModel_->code(current.row()) : "";
        PopCategoryGrid();
        for (int row = 0; row < categoryGridModel_->rowCount(); ++row) {
            if (categoryGridModel_->code(row) == code) {
                CategoryGrid->setCurrentIndex(categoryGridModel_->index(row, 0));
                CategoryGrid->selectRow(row);
                break;
            }
        }
        return;
    }
    const QModelIndex current = MainGrid->currentIndex();
    const std::optional<double> stamp =
        current.isValid() ? std::optional(mainGridModel_->stamp(current.row())) : std::nullopt;
    refreshList();
    if (!stamp) return;
    for (int row = 0; row < mainGridModel_->rowCount(); ++row) {
        if (mainGridModel_->stamp(row) == *stamp) {
            selectMainGridRow(row);
            break;
        }
    }
}

void QBK_3_Main::applyColumnWidths() {
    settingWidths_ = true;
    // Characters of average width: at its first size the window shows every data column.
    applyHeaderWidths(MainGrid, mainGridModel_->columns(),
                      MainGrid->fontMetrics().averageCharWidth());
    const auto saved = columnWidths_.find(state_.ProgramSettings.gridOrder());
    if (saved != columnWidths_.end())
        for (int i = 0; i < saved->second.size() && i < mainGridModel_->columnCount(); ++i)
            MainGrid->horizontalHeader()->resizeSection(i, saved->second[i]);
    settingWidths_ = false;
}

QSize QBK_3_Main::defaultSize() const {
    // The data columns: every column but the stamp column at the end.
    int columns = 0;
    for (int i = 0; i < MainGridModel::kStampColumn; ++i)
        columns += MainGrid->horizontalHeader()->sectionSize(i);
    columns += MainGrid->horizontalHeader()->sectionSize(MainGridModel::kClearedColumn);
    const int grid = columns + MainGrid->verticalScrollBar()->sizeHint().width() +
                     2 * MainGrid->frameWidth() + 2;
    return {std::max(grid, kCategoryGridWidth + 100) + kCategoryGridWidth, 720};
}

void QBK_3_Main::selectMainGridRow(int row) {
    if (row < 0 || row >= mainGridModel_->rowCount()) return;
    MainGrid->setCurrentIndex(mainGridModel_->index(row, 0));
    MainGrid->selectRow(row);
}

void QBK_3_Main::PopCategoryGrid() {
    std::vector<CategoryRecord> categories;
    prompts().attempt([&] {
        categories = readCategories(state_.CategoryFilePath);
        bookWatcher_->categoryFileRead();
    });
    categoryGridModel_->setCategories(std::move(categories));
    if (categoryGridModel_->rowCount() > 0) {
        CategoryGrid->setCurrentIndex(categoryGridModel_->index(0, 0));
        CategoryGrid->selectRow(0);
    }
}

bool QBK_3_Main::takeCurrentCategory() {
    const QModelIndex current = CategoryGrid->currentIndex();
    if (!current.isValid()) return false;
    const int row = current.row();
    state_.CategoryFilterCode = categoryGridModel_->code(row);
    state_.CategoryFilterName = categoryGridModel_->name(row);
    emit categoryTaken(state_.CategoryFilterCode, state_.CategoryFilterName);
    CategoryGrid->selectRow(row);
    return true;
}

void QBK_3_Main::CategoryGrid_Click() {
    if (takeCurrentCategory()) focusMainGrid();
}

void QBK_3_Main::listCategory(std::string_view code) {
    for (int row = 0; row < categoryGridModel_->rowCount(); ++row) {
        if (trimBlanks(categoryGridModel_->code(row)) != trimBlanks(code)) continue;
        CategoryGrid->setCurrentIndex(categoryGridModel_->index(row, 0));
        CategoryGrid_DblClick();
        raise();
        activateWindow();
        return;
    }
}

void QBK_3_Main::CategoryGrid_DblClick() {
    if (!takeCurrentCategory()) return;
    state_.SearchText.clear();
    state_.SearchCompleteWord = false;
    PopMainGrid("");
    focusMainGrid();
}

void QBK_3_Main::mu_AllCats_Click() {
    state_.showAllCategories();
    state_.SearchText.clear();
    state_.SearchCompleteWord = false;
    PopMainGrid("");
    focusMainGrid();
}

void QBK_3_Main::mu_GridFormat_Click() {
    const auto next = nextGridOrder(state_.ProgramSettings.gridOrder());
    if (!next) return;
    state_.ProgramSettings.setGridOrder(*next);
    refreshList();
    focusMainGrid();
}

void QBK_3_Main::SetRange(int numDays, int endInYear) {
    const SettingsRecord& s = state_.ProgramSettings;
    const DateRange range = qbk::SetRange(numDays, endInYear, state_.FYStartYear, s.fyMonth(),
                                          s.fyDay(), services_.clock.today(), regional());
    state_.RangeStart = range.start;
    state_.RangeEnd = range.end;
    setRangeLabel(range.label);
}

void QBK_3_Main::setRangeLabel(const std::string& label) {
    state_.ForecastTo.reset();
    GeneralStatusBar->setPanelText(general_panel::kMessage, shownText(label));
}

void QBK_3_Main::focusMainGrid() {
    if (MainGrid->isEnabled()) MainGrid->setFocus();
}

void QBK_3_Main::showError(const OperationError& error) {
    services_.prompts.showError(error);
}

void QBK_3_Main::SaveConfig() {
    prompts().attempt([&] {
        qbk::SaveConfig(services_.programFolder + std::string(kSettingsFileName),
                        state_.ProgramSettings);
    });
}

void QBK_3_Main::setGridBackground(QTableView* grid, const QColor& hue) {
    grid->setProperty("gridHue", hue);
    applyGridColours();
}

// Each grid's background is its hue (none: the palette's own), kept readable for the
// palette's text. Of the two grids, the one with the focus shows a strong selection in
// the text colour; the other shows it in the palette's colour for grayed text.
void QBK_3_Main::applyGridColours() {
    const QPalette window = QApplication::palette(this);
    const QColor text = window.color(QPalette::Active, QPalette::Text);
    const QColor gray = window.color(QPalette::Disabled, QPalette::WindowText);
    for (QTableView* grid : {MainGrid, CategoryGrid}) {
        const QColor hue = grid->property("gridHue").value<QColor>();
        const QColor base = window.color(QPalette::Active, QPalette::Base);
        const QColor background = hue.isValid() ? tintFor(hue, base, text, kTintContrast) : base;
        QPalette p = window;
        p.setColor(QPalette::Base, background);
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::AlternateBase, background);
        p.setColor(QPalette::Text, readableOn(text, background));
        const QColor highlight = grid->hasFocus() ? text : gray;
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::Highlight, highlight);
            p.setColor(group, QPalette::HighlightedText,
                       readableOn(background, highlight, kTintContrast));
        }
        grid->setPalette(p);
        if (grid == MainGrid) mainGridModel_->setColours(p.color(QPalette::Text), background);
    }
}

void QBK_3_Main::SetGridColors() {
    applyGridColours();
}

void QBK_3_Main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && MainGrid != nullptr && !applyingColours_) {
        applyingColours_ = true;
        applyGridColours();
        applyingColours_ = false;
    }
}

}  // namespace qbk
