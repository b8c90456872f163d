#include "mainwindow/qt/menu_layout.h"

#include <QCoreApplication>

namespace qbk {
namespace {

constexpr MenuDef kMenus[] = {
    {"mu_File", "&File"},          {"mu_Records", "&Records"}, {"mu_Categories", "&Categories"},
    {"mu_DisplayRange", "R&ange"}, {"mu_Search", "&Search"},   {"mu_ReportS", "R&eports"},
    {"mu_Macro", "&Macro"},        {"mu_Notes", "&Notes"},     {"mu_Help", "&Help"},
};

constexpr MenuItemDef kItems[] = {
    {"mu_File", "mu_DefaultDataFolder", "&Default Data Folder", ""},
    {"mu_File", "mu_AlternateFolder1", "Alternate Data Folder &1", ""},
    {"mu_File", "mu_AlternateFolder2", "Alternate Data Folder &2", ""},
    {"mu_File", "mu_SelectDataFolder", "Se&lect Data Folder...", ""},
    {"mu_File", "-", "", ""},
    {"mu_File", "mu_SortData", "S&ort Data", ""},
    {"mu_File", "mu_CreateBackup", "&Create Internal Backup File", ""},
    {"mu_File", "mu_RestoreBackup", "&Restore Internal Backup File", ""},
    {"mu_File", "-", "", ""},
    {"mu_File", "mu_Import", "Comma-Delimited or CSV &Import", ""},
    {"mu_File", "mu_ImportBankFile", "Import Ban&k File...", ""},
    {"mu_File", "mu_Backup", "Data &Backup (complete)", ""},
    {"mu_File", "-", "", ""},
    {"mu_File", "mu_ConfigSettings", "&Settings...", ""},
    {"mu_File", "-", "", ""},
    {"mu_File", "mu_Exit", "E&xit", ""},

    {"mu_Records", "mu_NewEntry", "&New Entry", "F2"},
    {"mu_Records", "mu_EditEntry", "&Edit Entry", ""},
    {"mu_Records", "mu_DeleteEntry", "De&lete Entry", "Del"},
    {"mu_Records", "-", "", ""},
    {"mu_Records", "mu_PurgeDeletedRecords", "&Purge Deleted Records", ""},
    {"mu_Records", "mu_RestoreDeletedRecords", "&Restore Deleted Records", ""},
    {"mu_Records", "mu_ComingDue", "Comin&g Due...", ""},
    {"mu_Records", "-", "", ""},
    {"mu_Records", "mu_ToggleCleared", "Toggle &Cleared", "Ctrl+K"},
    {"mu_Records", "mu_Reconcile", "Rec&oncile...", ""},
    {"mu_Records", "-", "", ""},
    {"mu_Records", "mu_Undo", "&Undo", "Ctrl+Z"},
    {"mu_Records", "mu_Redo", "Re&do", "Ctrl+Shift+Z"},

    {"mu_Categories", "mu_NewCategory", "&New Category", ""},
    {"mu_Categories", "mu_EditCategory", "&Edit Category", ""},

    {"mu_DisplayRange", "mu_DefaultRange", "&Default Range", "Ctrl+F1"},
    {"mu_DisplayRange", "-", "", ""},
    {"mu_DisplayRange", "mu_FiscalYear", "Current &Fiscal Year", "Ctrl+F2"},
    {"mu_DisplayRange", "mu_previousYear", "&Previous Fiscal Year", "Ctrl+F3"},
    {"mu_DisplayRange", "mu_NextYear", "&Next Fiscal Year", "Ctrl+F4"},
    {"mu_DisplayRange", "-", "", ""},
    {"mu_DisplayRange", "mu_SelectDates", "&Select Dates", ""},
    {"mu_DisplayRange", "mu_Forecast", "Fo&recast...", ""},
    {"mu_DisplayRange", "-", "", ""},
    {"mu_DisplayRange", "mu_30Days", "30 D&ays", ""},
    {"mu_DisplayRange", "mu_60days", "&60 Days", ""},
    {"mu_DisplayRange", "mu_90days", "&90 Days", ""},
    {"mu_DisplayRange", "mu_180days", "1&80 days", ""},
    {"mu_DisplayRange", "mu_365days", "&1 Year", ""},
    {"mu_DisplayRange", "mu_730days", "&2 Years", ""},
    {"mu_DisplayRange", "mu_1095days", "&3 Years", ""},
    {"mu_DisplayRange", "mu_1460days", "&4 Years", ""},
    {"mu_DisplayRange", "mu_1825days", "&5 Years", ""},

    {"mu_Search", "mu_SearchFragment", "&Word Fragment", "F5;Ctrl+F"},
    {"mu_Search", "mu_SearchComplete", "&Complete Word", ""},
    {"mu_Search", "mu_SearchUDF1", "User-defined field #&1", ""},
    {"mu_Search", "mu_SearchUDF2", "User-defined field #&2", ""},
    {"mu_Search", "-", "", ""},
    {"mu_Search", "mu_AllCats", "Show &All Categories", "F8"},
    {"mu_Search", "mu_GridFormat", "Next Column &Order", "F9"},
    {"mu_Search", "-", "", ""},
    {"mu_Search", "mu_ListCharts", "C&harts of this List", "F6"},

    {"mu_ReportS", "mu_NewReport", "&New Report", ""},
    {"mu_ReportS", "mu_QuitReports", "&Quit Reports", "Ctrl+Q"},
    {"mu_ReportS", "-", "", ""},
    {"mu_ReportS", "mu_ReportSummary", "&Summary Report - Narrow Format", "Ctrl+A"},
    {"mu_ReportS", "mu_ReportFull", "&Full Report - Narrow Format (no User Fields)", "Ctrl+B"},
    {"mu_ReportS", "mu_ReportSummaryWide", "Su&mmary Report - Wide Format", "Ctrl+C"},
    {"mu_ReportS", "mu_ReportFullUser", "Full Report - &Wide Format (w/ User Fields)", "Ctrl+D"},
    {"mu_ReportS", "-", "", ""},
    {"mu_ReportS", "mu_ReturnToList", "&Return to List", "Ctrl+R"},
    {"mu_ReportS", "mu_ReportCharts", "C&harts", "Ctrl+G"},
    {"mu_ReportS", "mu_Budget", "B&udget...", ""},
    {"mu_ReportS", "mu_BudgetRange", "Budget of this Ran&ge", ""},
    {"mu_ReportS", "-", "", ""},
    {"mu_ReportS", "mu_PrintReport", "&Print Report", "Ctrl+P"},
    {"mu_ReportS", "mu_SaveAsPdf", "Save as P&DF...", ""},
    {"mu_ReportS", "mu_EditReport", "&Edit Report With Word Processor", "Ctrl+E"},
    {"mu_ReportS", "mu_WriteText", "Write Report to &Text File", "Ctrl+T"},
    {"mu_ReportS", "-", "", ""},
    {"mu_ReportS", "mu_WriteComma", "E&xport Full Report Data to .txt or .csv format",
     "Ctrl+Shift+F"},
    {"mu_ReportS", "mu_WriteCommaSummary", "Export Summ&ary Report Data to .txt or .csv Format",
     "Ctrl+S"},

    {"mu_Macro", "mu_PlayMacro", "&Play a Macro", "F3"},
    {"mu_Macro", "mu_MacroCreate", "&Create / Edit Macro", ""},
    {"mu_Macro", "mu_MacroQuit", "&Quit Macro Edit", ""},

    {"mu_Notes", "mu_NotesOpen", "&Notes for this Fiscal Year", "F4"},
    {"mu_Notes", "-", "", ""},
    {"mu_Notes", "mu_TinyCalc", "&Calculator", ""},
    {"mu_Notes", "mu_Game", "Play A &Game", ""},

    {"mu_Help", "mu_HelpContents", "&Contents", "F1"},
    {"mu_Help", "mu_HelpWeb", "&Visit Brindlefold on the Web", "F7"},
    {"mu_Help", "-", "", ""},
    {"mu_Help", "mu_ToolTipsOff", "Turn o&ff \"Tool Tips\"", ""},
    {"mu_Help", "mu_ToolTipsOn", "Turn o&n \"Tool Tips\"", ""},
    {"mu_Help", "-", "", ""},
    {"mu_Help", "mu_HelpAbout", "&About Quillbank", ""},
};

constexpr ToolButtonDef kMainToolBar[] = {
    {"New", "New <F2>", "Create a new income or expense record", "mu_NewEntry"},
    {"Macro", "Macro <F3>", "Play back a previously recorded macro file", "mu_PlayMacro"},
    {"Notes", "Notes <F4>", "Open the notes file of this fiscal year", "mu_NotesOpen"},
    {"Search", "Search <F5>", "Search for a word", "mu_SearchFragment"},
    {"Reports", "Reports", "Start a new report", "mu_NewReport"},
    {"Web", "Web <F7>", "Visit Brindlefold on the Web", "mu_HelpWeb"},
    {"Help", "Help", "Show the help contents", "mu_HelpContents"},
};

constexpr ToolButtonDef kReportToolBar[] = {
    {"New", "New", "Clear the list - start on new report", "mu_NewReport"},
    {"Quit", "Close", "Quit reports", "mu_QuitReports"},
    {"Quick", "Quick", "Summary report - totals and graph only", "mu_ReportSummary"},
    {"Full", "Full", "Full report, including line items", "mu_ReportFullUser"},
    {"Build", "Build", "Return to list to add / remove items", "mu_ReturnToList"},
    {"Print", "Print", "Send currently displayed report to printer", "mu_PrintReport"},
    {"Edit", "Edit", "Edit report in your word processor program", "mu_EditReport"},
    {"File", "File", "Save report to a text file", "mu_WriteText"},
    {"Export", "Export", "Export report data to comma-delimited text.", "mu_WriteComma"},
    {"Charts", "Charts", "Charts of the report list", "mu_ReportCharts"},
};

}  // namespace

std::span<const MenuDef> menuDefs() {
    return kMenus;
}
std::span<const MenuItemDef> menuItemDefs() {
    return kItems;
}
std::span<const ToolButtonDef> mainToolBarDefs() {
    return kMainToolBar;
}
std::span<const ToolButtonDef> reportToolBarDefs() {
    return kReportToolBar;
}

QString shownCaption(const MenuDef& def) {
    return QCoreApplication::translate("Menu", def.caption);
}
QString shownCaption(const MenuItemDef& def) {
    return QCoreApplication::translate("Menu", def.caption);
}
QString shownCaption(const ToolButtonDef& def) {
    return QCoreApplication::translate("ToolBar", def.caption);
}
QString shownToolTip(const ToolButtonDef& def) {
    return QCoreApplication::translate("ToolBar", def.toolTip);
}

}  // namespace qbk
