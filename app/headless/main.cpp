// quillmere-headless GAME_DIR [SCRIPT]: the game without a window, driven
// by a script (or standard input), for tests and for scenario writers.

#include <iostream>

#include "driver.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: quillmere-headless GAME_DIR [SCRIPT]\n";
        return 2;
    }
    qm::headless::Driver driver(argv[1], std::cout);
    return driver.RunFile(argc == 3 ? argv[2] : nullptr);
}
