// quillmere-check GAME_DIR: reads a game folder as the game reads it and
// lists every problem that would break the game or its content, as
// "FILE:LINE: what", then a short summary. Exits 1 if there is any
// problem, 0 otherwise.

#include <iostream>

#include "check_game.h"
#include "core/text_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quillmere-check GAME_DIR\n";
        return 2;
    }
    try {
        return qm::check::CheckAndPrint(qm::PathOf(argv[1]), std::cout);
    } catch (const std::exception& e) {
        std::cerr << "quillmere-check: " << e.what() << "\n";
        return 2;
    }
}
