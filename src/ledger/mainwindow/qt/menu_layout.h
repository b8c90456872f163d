// The menus of the main window: every menu and menu item with its name, caption and
// shortcut, in the order shown. Commands attach to the items by name.
#ifndef QBK_MAINWINDOW_QT_MENU_LAYOUT_H_
#define QBK_MAINWINDOW_QT_MENU_LAYOUT_H_

#include <QString>
#include <span>

namespace qbk {

struct MenuDef {
    const char* name;     // objectName of the QMenu, e.g. "mu_File"
    const char* caption;  // with its & accelerator
};

struct MenuItemDef {
    const char* menu;  // the menu it stands in
    const char* name;  // objectName of the QAction ("-" for a separator line)
    const char* caption;
    const char* shortcut;  // QKeySequence text, "" for none; alternatives apart by ";"
};

std::span<const MenuDef> menuDefs();
std::span<const MenuItemDef> menuItemDefs();

struct ToolButtonDef {
    const char* key;  // the button's key
    const char* caption;
    const char* toolTip;
    const char* command;  // name of the menu item whose command it runs
};

std::span<const ToolButtonDef> mainToolBarDefs();
std::span<const ToolButtonDef> reportToolBarDefs();

// The captions and tool tips in the user's language (see installTranslations); the
// English ones where there is no translation.
QString shownCaption(const MenuDef& def);
QString shownCaption(const MenuItemDef& def);
QString shownCaption(const ToolButtonDef& def);
QString shownToolTip(const ToolButtonDef& def);

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_MENU_LAYOUT_H_
