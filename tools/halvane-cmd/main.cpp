#include <QCoreApplication>
#include <iostream>

#include "tools/halvane-cmd/DriverCommand.h"

int main(int argc, char** argv) {
    // The arguments are one-byte text, taken before Qt sees them.
    std::vector<std::string> args(argv + 1, argv + argc);
    QCoreApplication app(argc, argv);
    return halvanecmd::runHalvaneCmd(args, std::cout, std::cerr);
}
