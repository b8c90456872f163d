// qbk3: the ledger program.
#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/qt/controllers.h"
#include "mainwindow/qt/qbk3_main.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_prompts.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/translations.h"
#include "store/book_files.h"
#include "version.h"

int main(int argc, char** argv) {
    qbk::reportFileSizeLimitAsError();
    qbk::useBookFileRules();
    // Answered before any window exists, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "qbk3 " << qbk::kVersion << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "Usage: qbk3 [--help | --version]\n"
                         "Opens the Quillbank 3 cashflow book in its window. See qbk3(1) and, "
                         "for scripts, qbk3-cli(1).\n";
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillbank 3"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(qbk::kVersion.data(), qbk::kVersion.size()));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.brindlefold.Quillbank3"));
    QApplication::setQuitOnLastWindowClosed(true);
    qbk::installTranslations(app, QLocale::system());

    qbk::QtPrompts prompts;
    qbk::QtShell shell;
    qbk::QtPrinter printer;
    qbk::HelpWindow help(qbk::helpContentsUrl(QStringLiteral(":/help"), qbk::installedLanguage()));
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
    window.setWindowStateFile(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/quillbank/qbk3-window.conf"));
    prompts.setParent(&window);
    qbk::installControllers(window);
    // The start-up sequence runs once the event loop turns, as a window's load does.
    QTimer::singleShot(0, &window, [&window] { window.Form_Load(); });
    try {
        return app.exec();
    } catch (const std::bad_alloc&) {
        std::cerr << "qbk3: not enough memory for this book; the last change was not made\n";
        return 1;
    }
}
