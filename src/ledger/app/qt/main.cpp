// qbk3: the ledger program.
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "app/qt/controllers.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_prompts.h"
#include "platform/qt/qt_shell.h"

int main(int argc, char** argv) {
    qbk::reportFileSizeLimitAsError();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillbank 3"));
    QApplication::setQuitOnLastWindowClosed(true);

    qbk::QtPrompts prompts;
    qbk::QtShell shell;
    qbk::QtPrinter printer;
    qbk::HelpWindow help(QStringLiteral("qrc:/help/index.html"));
    const qbk::SystemClock clock;
    qbk::Services services{prompts,
                           shell,
                           printer,
                           help,
                           clock,
                           qbk::RegionalSettings::fromEnvironment(),
                           qbk::programFolder(),
                           [] { std::exit(0); }};

    qbk::QBK_3_Main window(services);
    prompts.setParent(&window);
    qbk::installControllers(window);
    // The start-up sequence runs once the event loop turns, as a window's load does.
    QTimer::singleShot(0, &window, [&window] { window.Form_Load(); });
    return app.exec();
}
