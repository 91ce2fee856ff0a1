// Lays out a runnable program folder on first build: seeds the lottery types and histories
// unless the folder already has them.
#include <iostream>

#include "core/firstrun.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lottodesk-seed PROGRAM_FOLDER SAMPLES_FOLDER\n";
        return 1;
    }
    lottodesk::Status status = lottodesk::seedProgramFolder(argv[1], argv[2]);
    if (!status) {
        std::cerr << status.message << '\n';
        return 2;
    }
    return 0;
}
