// Messages the main window shows about its own settings.
#ifndef QBK_MAINWINDOW_WINDOW_TEXTS_H_
#define QBK_MAINWINDOW_WINDOW_TEXTS_H_

#include "platform/ports.h"

namespace qbk {

// mu_ToolTipsOn_Click, after the setting is written.
Message toolTipsOnMessage();

}  // namespace qbk

#endif  // QBK_MAINWINDOW_WINDOW_TEXTS_H_
