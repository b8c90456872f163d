// QBK_3_Main: the main window of the ledger program.
//
// The window owns the shared state (MainState), the layout of its widgets, the menus
// and toolbars, the list refresh and the category list, start-up and end, the data
// folders, the window keys and the tool tips. The commands of the other subsystems
// live beside their own code and attach themselves:
//   - to a menu item by name with setCommand("mu_NewEntry", ...); a toolbar button runs
//     the command of the menu item it names, and menu items left without a command are
//     hidden when the window has loaded (finishCommands);
//   - to the window keys and start-up by connecting to the window's signals;
//   - to the widgets the window lays out (EditFrame, CategoryFrame, DateDialFrame,
//     Viewer, UDFSearchPrompt/UDFSearchList) by filling them with their own controls.
// Every command that changes the data or the view ends in refreshList().
//
// Its members are defined in three files: qbk3_main.cpp (the layout, menus, toolbars,
// commands, list refresh and category list), startup.cpp (start-up and end, the data
// folders, help, tool tips, window memory) and main_keys.cpp (the window keys).
#ifndef QBK_MAINWINDOW_QT_QBK3_MAIN_H_
#define QBK_MAINWINDOW_QT_QBK3_MAIN_H_

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "mainwindow/list_refresh.h"
#include "mainwindow/qt/main_state.h"
#include "mainwindow/qt/services.h"
#include "mainwindow/qt/splash.h"
#include "platform/cached_file.h"
#include "platform/errors.h"
#include "platform/money.h"
#include "platform/stamps.h"
#include "store/sort_key.h"

class QAction;
class QFrame;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolBar;

namespace qbk {

class CategoryGridModel;
class MainGridModel;
class StatusPanels;

class BookWatcher;

class QBK_3_Main : public QMainWindow {
    Q_OBJECT
  public:
    explicit QBK_3_Main(Services& services, QWidget* parent = nullptr);
    ~QBK_3_Main() override;

    // ---- What the commands of every subsystem share ----
    MainState& state() { return state_; }
    Services& services() { return services_; }
    const RegionalSettings& regional() const { return services_.regional; }
    Prompts& prompts() { return services_.prompts; }
    StampSource& stamps() { return stamps_; }
    // The record file as the last list refresh read it.
    CachedFile& bookCache() { return book_; }
    SortKeyMemory& sortKeys() { return sortKeys_; }

    void setCommand(std::string_view name, std::function<void()> command);
    void runCommand(std::string_view name);
    bool hasCommand(std::string_view name) const;
    // Hides the menu items and toolbar buttons that have no command.
    void finishCommands();
    QAction* action(std::string_view name) const;
    QMenu* menu(std::string_view name) const;
    QAction* mainToolButton(std::string_view key) const;
    QAction* reportToolButton(std::string_view key) const;

    QTableView* mainGrid() const { return MainGrid; }
    MainGridModel* mainGridModel() const { return mainGridModel_; }
    QTableView* categoryGrid() const { return CategoryGrid; }
    CategoryGridModel* categoryGridModel() const { return categoryGridModel_; }
    QPushButton* allCategoryButton() const { return AllCategoryButton; }
    QPlainTextEdit* viewer() const { return Viewer; }
    QFrame* editFrame() const { return EditFrame; }
    QFrame* categoryFrame() const { return CategoryFrame; }
    QFrame* dateDialFrame() const { return DateDialFrame; }
    QPushButton* udfSearchPrompt() const { return UDFSearchPrompt; }
    QListWidget* udfSearchList() const { return UDFSearchList; }
    StatusPanels* displayStatusBar() const { return DisplayStatusBar; }
    StatusPanels* generalStatusBar() const { return GeneralStatusBar; }
    QProgressBar* progressBar() const { return ProgressBar1; }
    QToolBar* mainToolBar() const { return MainToolBar; }
    QToolBar* reportToolBar() const { return ReportToolBar; }

    // The list refresh with a search argument as the callers of the list pass it.
    // A book that cannot be read shows an error unless `showErrors` is false.
    void PopMainGrid(const std::string& searchArgument, bool showErrors = true);
    // PopMainGrid with the current search: SearchText upper-cased (framed by blanks
    // for a complete-word search, so it stays one).
    void refreshList(bool showErrors = true);
    std::string searchArgument() const;
    // For a write that reads the whole book itself (new entry, sort, purge, play-back):
    // the list and the kept copy let go of the book, so that a big book is in memory
    // once (not in report mode). The next list refresh ends it; a BookWriteScope makes
    // sure one comes.
    void releaseBook();
    bool bookReleased() const { return bookReleased_; }
    void PopCategoryGrid();
    // Panel 6 of DisplayStatusBar: the opening balance plus every cleared and reconciled
    // entry of the book (what the bank should hold), shown from this window width on.
    static constexpr int kClearedBalanceWidth = 900;
    void showClearedBalance(Money bookCleared);
    // Sets RangeStart, RangeEnd and the range label (no refresh).
    void SetRange(int numDays, int endInYear);
    void setRangeLabel(const std::string& label);
    // The alternate data folder items name their folders and are enabled only when a
    // folder is set (and macro editing is off).
    void updateAlternateFolderItems();
    // Places a frame (entry form, category form, date selector) over the middle of the list.
    void centerFrame(QFrame* frame);
    // Gives MainGrid the focus when it is enabled.
    void focusMainGrid();
    // The common error message.
    void showError(const OperationError& error);
    // Writes the settings record to the program folder's qbk3.ini.
    void SaveConfig();
    // Grid colours: the hue of a grid's background (cyan in report mode, yellow in macro
    // mode; an invalid colour for the palette's own), shown as a shade that keeps the
    // palette's text readable.
    void setGridBackground(QTableView* grid, const QColor& hue);
    // Selects data row `row` (0-based) of MainGrid across the whole width.
    void selectMainGridRow(int row);

    // Where the window keeps its size, position and column widths between runs (a
    // QSettings file in the user's config folder; never qbk3.ini, whose layout is fixed).
    // Empty, as in tests by default: nothing is remembered.
    void setWindowStateFile(const QString& path) { windowStateFile_ = path; }
    // The size at which every data column of the list shows, Category included.
    QSize defaultSize() const;

    // ---- The window's own commands ----
    // The start-up sequence: start-up window, settings, range, data folder, lists.
    void Form_Load();
    qbk3Splash* splash() const { return splash_; }
    void mu_AllCats_Click();
    // Del on the list and Records > Delete Entry: deletes the entry of the current row
    // after the question of the entry form's Delete; on a report list it removes the row.
    void deleteKey();
    void CategoryGrid_DblClick();
    // Lists the entries of the category `code` (blanks around it do not count), as a
    // double-click on its row does, and brings the window to the front.
    void listCategory(std::string_view code);
    void CategoryGrid_Click();
    void mu_GridFormat_Click();
    void mu_DefaultDataFolder_Click();
    void mu_AlternateFolder1_Click();
    void mu_AlternateFolder2_Click();
    void mu_SelectDataFolder_Click();
    void mu_HelpContents_Click();
    void mu_Exit_Click();
    void mu_ToolTipsOff_Click();
    void mu_ToolTipsOn_Click();
    void InitHelp();
    void QuitHelp();

  signals:
    // What the window's keys and start-up ask of the other subsystems; each is answered
    // by the one that connects to it, in the order they connected.
    void reportModeEndRequested();        // start-up: report mode off
    void openEntryRequested();            // Enter on the list: open the entry
    void closeEntryRequested();           // Esc with the entry form open
    void deleteSelectedEntryRequested();  // Del on the list
    void removeReportLineRequested();     // Del on the report list
    void quitMacroEditRequested();        // Esc in macro-edit mode
    void macroModeEndRequested();         // Esc outside report and macro mode
    // A category taken from the list (click or double-click): the entry form's boxes.
    void categoryTaken(const std::string& code, const std::string& name);
    // Enter on the category list while the entry form is open: focus to the amount.
    void amountFocusRequested();
    // Start-up, after the lists are filled (the date selector shows today...).
    void startupDone();
    // A list refresh outside report mode has set the rows of `query` (the forecast
    // continues them).
    void listRefreshed(const ListQuery& query);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createGrids();
    void createFrames();
    void createStatusBars();
    // The window layout.
    void Form_Resize();
    void Form_Unload();
    // The window keys: true when the key was used.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool Form_KeyPress(int key);
    void SetGridColors();
    void applyGridColours();
    // Takes the category of CategoryGrid's current row as the list's filter; false when
    // no row is current.
    bool takeCurrentCategory();
    void switchDataFolder(const std::string& folder, bool focusGrid);
    void followOutsideChanges();
    void bookChangedOutside(bool categories);
    void switchToAlternate(const std::string& storedPath);
    void applyStartupCaptions();
    // Window memory: restored when the window loads, saved when it unloads.
    void restoreWindowState();
    void saveWindowState() const;
    // The widths of MainGrid's columns for its header: as wide as the header's texts, or
    // as the user left them for this column order.
    void applyColumnWidths();
    QAction* addToolButton(QToolBar* bar, const struct ToolButtonDef& def);

    Services& services_;
    MainState state_;
    StampSource stamps_;
    SortKeyMemory sortKeys_;
    std::map<std::string, QAction*, std::less<>> actions_;
    std::map<std::string, QMenu*, std::less<>> menus_;
    std::map<std::string, std::function<void()>, std::less<>> commands_;
    std::map<std::string, QAction*, std::less<>> mainButtons_, reportButtons_;
    std::map<QAction*, std::string> buttonCommands_;
    QPointer<qbk3Splash> splash_;
    // Tool tips turned off stay off until the next start.
    bool toolTipsRemoved_ = false;
    bool applyingColours_ = false;
    QString windowStateFile_;
    // The header the column widths were set for, and the widths the user chose for each
    // column order.
    std::string widthsHeader_;
    bool settingWidths_ = false;
    std::map<std::string, QList<int>> columnWidths_;

    BookWatcher* bookWatcher_ = nullptr;
    // The record file as the last refresh read it: refreshes of an unchanged book
    // filter it in memory instead of reading it again.
    CachedFile book_;
    bool bookReleased_ = false;
    QWidget* central_ = nullptr;
    QTableView* MainGrid = nullptr;
    MainGridModel* mainGridModel_ = nullptr;
    QTableView* CategoryGrid = nullptr;
    CategoryGridModel* categoryGridModel_ = nullptr;
    QPushButton* AllCategoryButton = nullptr;
    QPlainTextEdit* Viewer = nullptr;
    QFrame* EditFrame = nullptr;
    QFrame* CategoryFrame = nullptr;
    QFrame* DateDialFrame = nullptr;
    QPushButton* UDFSearchPrompt = nullptr;
    QListWidget* UDFSearchList = nullptr;
    StatusPanels* DisplayStatusBar = nullptr;
    StatusPanels* GeneralStatusBar = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QToolBar* MainToolBar = nullptr;
    QToolBar* ReportToolBar = nullptr;
};

// Held across a write that reads the whole book: releases the window's copies at its
// start and, unless the list was refreshed meanwhile (as a successful write does),
// refreshes it at its end, so that a refused or failed write leaves the list filled.
class BookWriteScope {
  public:
    explicit BookWriteScope(QBK_3_Main& window) : window_(window) { window_.releaseBook(); }
    // A write that failed has shown its error; a list that then cannot be read stays empty.
    ~BookWriteScope() {
        if (window_.bookReleased()) window_.refreshList(false);
    }
    BookWriteScope(const BookWriteScope&) = delete;
    BookWriteScope& operator=(const BookWriteScope&) = delete;

  private:
    QBK_3_Main& window_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_QBK3_MAIN_H_
