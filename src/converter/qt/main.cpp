// qbk2to3: with --convert it converts one folder on the command line; otherwise it
// opens its window.
#include <QApplication>
#include <clocale>
#include <iostream>

#include "converter/headless.h"
#include "converter/qt/main_form.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/qt/qt_prompts.h"
#include "store/book_files.h"

int main(int argc, char** argv) {
    using namespace qbk::converter;
    qbk::reportFileSizeLimitAsError();
    qbk::useBookFileRules();
    const std::vector<std::string> args(argv + 1, argv + argc);
    qbk::SystemClock clock;
    if (wantsHeadless(args)) {
        std::setlocale(LC_ALL, "");
        const HeadlessEnvironment env{clock, [] { return qbk::programFolder(); },
                                      qbk::RegionalSettings::fromEnvironment()};
        return runHeadless(args, env, std::cout, std::cerr);
    }

    QApplication app(argc, argv);  // also takes the user's locale
    qbk::QtPrompts prompts;
    MainForm form(prompts, clock, qbk::programFolder(), qbk::RegionalSettings::fromEnvironment());
    prompts.setParent(&form);
    form.show();
    return app.exec();
}
