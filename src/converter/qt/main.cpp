// qbk2to3: with --convert it converts one folder on the command line; otherwise it
// opens its window.
#include <QApplication>
#include <QMessageBox>
#include <clocale>
#include <iostream>

#include "converter/errors.h"
#include "converter/files.h"
#include "converter/headless.h"
#include "converter/qt/main_form.h"
#include "converter/qt/qt_prompts.h"

int main(int argc, char** argv) {
    using namespace qbk::converter;
    const std::vector<std::string> args(argv + 1, argv + argc);
    SystemClock clock;
    if (wantsHeadless(args)) {
        std::setlocale(LC_ALL, "");
        const HeadlessEnvironment env{clock, [] { return programFolder(); },
                                      DateSettings::fromCurrentLocale()};
        return runHeadless(args, env, std::cout, std::cerr);
    }

    QApplication app(argc, argv);  // also takes the user's locale
    QtPrompts prompts;
    std::string folder;
    try {
        folder = programFolder();
    } catch (const FileError& e) {
        prompts.message(commonErrorText(e.what(), e.number()), std::string(kCommonErrorTitle),
                        Icon::Critical, Buttons::Ok);
        return 1;
    }
    MainForm form(prompts, clock, folder, DateSettings::fromCurrentLocale());
    prompts.setParent(&form);
    form.show();
    return app.exec();
}
