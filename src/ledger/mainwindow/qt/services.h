// What the main window needs from outside: the ports, the clock, the regional
// settings and the program folder. The program passes the real ones, tests fakes.
#ifndef QBK_MAINWINDOW_QT_SERVICES_H_
#define QBK_MAINWINDOW_QT_SERVICES_H_

#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/ports.h"
#include "platform/regional.h"

namespace qbk {

struct Services {
    Prompts& prompts;
    Shell& shell;
    Printer& printer;
    HelpViewer& help;
    const Clock& clock;
    RegionalSettings regional;
    std::string programFolder;  // with a trailing "/"
    // Ends the program at once (the start-up password rule).
    std::function<void()> endProgram;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_SERVICES_H_
