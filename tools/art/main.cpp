// quillmere-art GAME_DIR: draws every scene, memory picture and face into
// the game folder's img/ and face/, with their marker files. It only paints
// into images, so it needs no screen and no GUI application.

#include <iostream>

#include "catalogue.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quillmere-art GAME_DIR\n";
        return 2;
    }
    const QString error = qm::art::WriteAll(QString::fromLocal8Bit(argv[1]));
    if (!error.isEmpty()) {
        std::cerr << "quillmere-art: " << error.toStdString() << "\n";
        return 1;
    }
    return 0;
}
