// quillmere-headless GAME_DIR [SCRIPT]: the game without a window, driven
// by a script (or standard input), for tests and for scenario writers.

#include <fstream>
#include <iostream>

#include "driver.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: quillmere-headless GAME_DIR [SCRIPT]\n";
        return 2;
    }
    qm::headless::Driver driver(argv[1], std::cout);
    if (argc == 2) return driver.Run(std::cin, std::cerr);
    std::ifstream script(argv[2], std::ios::binary);
    if (!script) {
        std::cerr << "error: cannot read " << argv[2] << "\n";
        return 2;
    }
    return driver.Run(script, std::cerr);
}
