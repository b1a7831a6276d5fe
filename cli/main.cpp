// almanix-cli: the calculations of Almanix for scripts (see cli_main.h). Runs on QtCore and
// QtGui alone, with no display.
#include <QCoreApplication>

#include <iostream>

#include "cli/cli_main.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("almanix-cli"));
    return almanix::cli::RunCli(QCoreApplication::arguments(), std::cout, std::cerr);
}
