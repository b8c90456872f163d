#include <iostream>

#include "cli/cli.h"
#include "platform/files.h"
#include "platform/program_folder.h"

int main(int argc, char** argv) {
    qbk::reportFileSizeLimitAsError();
    const qbk::SystemClock clock;
    qbk::CliContext context{std::cout, std::cerr, clock, qbk::RegionalSettings::fromEnvironment(),
                            qbk::programFolder()};
    return qbk::runCli(std::vector<std::string>(argv + 1, argv + argc), context);
}
