#include "app/controllers.h"

#include "mainwindow/qt/category_frame.h"
#include "mainwindow/qt/qbk3_main.h"
#include "store/qt/maintenance_commands.h"

namespace qbk {

void installControllers(QBK_3_Main& window) {
    new CategoryFrameCommands(window);
    new MaintenanceCommands(window);
}

}  // namespace qbk
