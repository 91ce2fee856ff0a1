#include <iostream>

#include "cli/cli.h"
#include "core/platform.h"

int main(int argc, char** argv) {
    lottodesk::platform::useUtf8Console();
    return lottodesk::runCli(lottodesk::platform::utf8Arguments(argc, argv), std::cout, std::cerr);
}
