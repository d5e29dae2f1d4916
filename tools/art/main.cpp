// quillmere-art GAME_DIR: draws every scene, memory picture and face into
// the game folder's img/ and face/, with their marker files. It only paints
// into images, so it needs no screen and no GUI application.
// quillmere-art --icons FOLDER NAME: draws the game's icon at every size
// into FOLDER, laid out as an icon theme, as NAME.png.

#include <iostream>
#include <string>

#include "catalogue.h"
#include "icon.h"

int main(int argc, char** argv) {
    const bool icons = argc == 4 && std::string(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::cerr << "usage: quillmere-art GAME_DIR\n       quillmere-art --icons FOLDER NAME\n";
        return 2;
    }
    const QString error = icons ? qm::art::WriteIcons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))
                                : qm::art::WriteAll(QString::fromLocal8Bit(argv[1]));
    if (!error.isEmpty()) {
        std::cerr << "quillmere-art: " << error.toStdString() << "\n";
        return 1;
    }
    return 0;
}
