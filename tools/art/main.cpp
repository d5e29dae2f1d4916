// quillmere-art GAME_DIR [PICTURE...]: draws every scene, memory picture and
// face into the game folder's img/ and face/, with their marker files; or
// only the pictures named ("027", "snow", "ササン＿笑"), to look at them while
// drawing. It only paints into images, so it needs no screen and no GUI
// application.

#include <iostream>

#include "catalogue.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: quillmere-art GAME_DIR [PICTURE...]\n";
        return 2;
    }
    QStringList only;
    for (int i = 2; i < argc; ++i) only << QString::fromLocal8Bit(argv[i]);
    const QString error = qm::art::WriteAll(QString::fromLocal8Bit(argv[1]), only);
    if (!error.isEmpty()) {
        std::cerr << "quillmere-art: " << error.toStdString() << "\n";
        return 1;
    }
    return 0;
}
