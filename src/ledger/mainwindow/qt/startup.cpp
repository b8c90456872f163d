// Start-up and end of the main window, data folders, help and tool tips.
#include <unistd.h>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QToolBar>

#include "mainwindow/date_range.h"
#include "mainwindow/qt/book_watcher.h"
#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/entry_form.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/menu_layout.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/splash.h"
#include "mainwindow/qt/status_panels.h"
#include "mainwindow/window_texts.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"
#include "store/book_files.h"

namespace qbk {

void QBK_3_Main::Form_Load() {
    InitHelp();
    state_.ReportMode = false;
    emit reportModeEndRequested();
    QDir::setCurrent(qs(services_.programFolder));

    splash_ = new qbk3Splash(services_);
    connect(splash_, &qbk3Splash::accessGranted, this, [this] {
        show();
        focusMainGrid();
    });
    const std::optional<SettingsRecord> settings = splash_->Form_Load();
    hide();
    if (!settings) return;  // the program ends
    state_.ProgramSettings = *settings;

    const SettingsRecord& s = state_.ProgramSettings;
    state_.FYStartYear = FiscalYearOf(services_.clock.today(), s.fyMonth(), s.fyDay());
    SetRange(s.startupRange(), 0);

    switchDataFolder(utf8(QDir::currentPath()), false);

    applyStartupCaptions();
    emit startupDone();
    finishCommands();
    restoreWindowState();

    if (trimField(s.userPassword()).empty()) splash_->closeWithAccess();

    if (s.toolTipsFlag() == "N") {
        action("mu_ToolTipsOff")->setVisible(false);
        mu_ToolTipsOff_Click();
    } else {
        action("mu_ToolTipsOn")->setVisible(false);
    }
}

void QBK_3_Main::applyStartupCaptions() {
    const SettingsRecord& s = state_.ProgramSettings;
    action("mu_SearchUDF1")->setText(qsPlain("Search by " + s.udf1Name()));
    action("mu_SearchUDF2")->setText(qsPlain("Search by " + s.udf2Name()));
    updateAlternateFolderItems();
}

void QBK_3_Main::updateAlternateFolderItems() {
    const SettingsRecord& s = state_.ProgramSettings;
    const std::pair<const char*, std::string> folders[] = {
        {"mu_AlternateFolder1", std::string(trimField(s.altFolder1Path()))},
        {"mu_AlternateFolder2", std::string(trimField(s.altFolder2Path()))}};
    for (const auto& [name, path] : folders) {
        QAction* item = action(name);
        for (const MenuItemDef& def : menuItemDefs())
            if (name == std::string_view(def.name)) item->setText(shownCaption(def));
        if (!path.empty()) item->setText(qsPlain("Data Folder: " + path));
        item->setEnabled(!path.empty() && !state_.MacroMode);
    }
}

void QBK_3_Main::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void QBK_3_Main::Form_Unload() {
    QuitHelp();
    SaveConfig();
    saveWindowState();
}

// ---- Window memory ----

namespace {

QList<int> widthsOf(const QHeaderView* header, int count) {
    QList<int> widths;
    for (int i = 0; i < count; ++i)
        widths.append(header->sectionSize(i));
    return widths;
}

QList<int> readWidths(const QSettings& settings, const QString& key) {
    QList<int> widths;
    for (const QVariant& v : settings.value(key).toList())
        if (v.toInt() > 0) widths.append(v.toInt());
    return widths;
}

QVariantList variantList(const QList<int>& widths) {
    QVariantList list;
    for (int w : widths)
        list.append(w);
    return list;
}

}  // namespace

void QBK_3_Main::restoreWindowState() {
    const QSettings settings(windowStateFile_, QSettings::IniFormat);
    if (windowStateFile_.isEmpty() || !restoreGeometry(settings.value("geometry").toByteArray())) {
        // At first every column of the list shows, as far as the screen allows.
        QSize size = defaultSize();
        if (const QScreen* s = screen())
            size = size.boundedTo(s->availableGeometry().size() * 0.95);
        resize(size);
    }
    if (windowStateFile_.isEmpty()) return;
    for (const QString& order : settings.value("columns/orders").toStringList())
        columnWidths_[utf8(order)] = readWidths(settings, "columns/" + order);
    const QList<int> categories = readWidths(settings, "categoryColumns");
    for (int i = 0; i < categories.size() && i < categoryGridModel_->columnCount(); ++i)
        CategoryGrid->horizontalHeader()->resizeSection(i, categories[i]);
    applyColumnWidths();
}

void QBK_3_Main::saveWindowState() const {
    if (windowStateFile_.isEmpty()) return;
    QSettings settings(windowStateFile_, QSettings::IniFormat);
    settings.setValue("geometry", saveGeometry());
    settings.remove("columns");
    QStringList orders;
    for (const auto& [order, widths] : columnWidths_) {
        orders.append(qs(order));
        settings.setValue("columns/" + qs(order), variantList(widths));
    }
    if (!orders.isEmpty()) settings.setValue("columns/orders", orders);
    settings.setValue("categoryColumns", variantList(widthsOf(CategoryGrid->horizontalHeader(),
                                                              categoryGridModel_->columnCount())));
}

void QBK_3_Main::mu_Exit_Click() {
    close();
}

void QBK_3_Main::InitHelp() {
    // The help pages ship inside the program; the viewer is ours, owned for the window.
}

void QBK_3_Main::QuitHelp() {
    services_.help.quit();
}

void QBK_3_Main::mu_HelpContents_Click() {
    services_.help.showContents();
}

// ---- Data folders ----

void QBK_3_Main::switchDataFolder(const std::string& folder, bool focusGrid) {
    state_.DataFolder = withTrailingSlash(folder);
    GeneralStatusBar->setPanelText(general_panel::kDataFolder, qs(state_.DataFolder));
    state_.RecordFilePath = state_.DataFolder + std::string(kRecordFileName);
    state_.CategoryFilePath = state_.DataFolder + std::string(kCategoryFileName);
    bookWatcher_->watch(state_.RecordFilePath, state_.CategoryFilePath);
    PopCategoryGrid();
    state_.showAllCategories();
    refreshList();
    if (focusGrid) focusMainGrid();
}

void QBK_3_Main::mu_DefaultDataFolder_Click() {
    switchDataFolder(services_.programFolder, true);
}

void QBK_3_Main::switchToAlternate(const std::string& storedPath) {
    const std::string path(trimField(storedPath));
    if (path.empty()) return;
    if (!folderExists(path)) {
        showError(OperationError(errnum::kPathNotFound, "Path not found (" + path + ")"));
        return;
    }
    if (::access(path.c_str(), R_OK | X_OK) != 0) {
        showError(OperationError(errnum::kPermissionDenied, "Permission denied (" + path + ")"));
        return;
    }
    switchDataFolder(path, true);
}

void QBK_3_Main::mu_AlternateFolder1_Click() {
    switchToAlternate(state_.ProgramSettings.altFolder1Path());
}

void QBK_3_Main::mu_AlternateFolder2_Click() {
    switchToAlternate(state_.ProgramSettings.altFolder2Path());
}

void QBK_3_Main::mu_SelectDataFolder_Click() {
    const std::string chosen =
        services_.prompts.openFile({"Select a folder...", "Quillbank Data Files|quillbank.dat",
                                    std::string(kRecordFileName), state_.DataFolder},
                                   true);
    if (chosen.empty()) return;
    // The folder that holds the chosen file (normally quillbank.dat).
    const std::string folder = parentFolder(chosen);
    if (!folderExists(folder)) {
        showError(OperationError(errnum::kPathNotFound, "Path not found (" + folder + ")"));
        return;
    }
    switchDataFolder(folder, false);
}

// ---- Tool tips ----

void QBK_3_Main::mu_ToolTipsOff_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{MainGrid, CategoryGrid, AllCategoryButton})
        w->setToolTip(QString());
    for (QToolBar* bar : {MainToolBar, ReportToolBar})
        for (QAction* a : bar->actions())
            a->setToolTip(QString());
    toolTipsRemoved_ = true;
    action("mu_ToolTipsOff")->setVisible(false);
    action("mu_ToolTipsOn")->setVisible(true);
    state_.ProgramSettings.setToolTipsFlag("N");
    SaveConfig();
}

void QBK_3_Main::mu_ToolTipsOn_Click() {
    state_.ProgramSettings.setToolTipsFlag("Y");
    SaveConfig();
    action("mu_ToolTipsOn")->setVisible(false);
    action("mu_ToolTipsOff")->setVisible(true);
    services_.prompts.message(toolTipsOnMessage());
}

}  // namespace qbk
