#include "app/controllers.h"

#include "mainwindow/qt/qbk3_main.h"

namespace qbk {

void installControllers(QBK_3_Main& window) {
    (void)window;
}

}  // namespace qbk
