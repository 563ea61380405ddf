#include <iostream>

#include "tools/hartframe/FrameTool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return hartframe::runHartframe(args, std::cout, std::cerr);
}
