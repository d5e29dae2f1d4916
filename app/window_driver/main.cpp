// quillmere-window-driver GAME_DIR [SCRIPT]: plays a driver script (or
// standard input) in the game's real window on an X display with a window
// manager (tests/window/on_desktop.sh makes one), and prints what
// quillmere-headless prints for it. With QUILLMERE_BOX_SHOTS=FOLDER it
// photographs each message box into that folder before answering it.

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "window_driver.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: quillmere-window-driver GAME_DIR [SCRIPT]\n";
        return 2;
    }
    if (!std::getenv("DISPLAY")) {
        std::cerr << "quillmere-window-driver needs an X display with a window manager: "
                     "tests/window/on_desktop.sh quillmere-window-driver GAME_DIR [SCRIPT]\n";
        return 2;
    }
    // The driver asks the window manager as a player would, so it runs on X
    // even where another platform is the default.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName("quillmere");
    QApplication::setApplicationDisplayName("Quillmere");
    // The run ends when the game ends itself, as the player's program does;
    // a box that closes while no window shows (at start-up) must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    std::optional<QDir> boxShots;
    if (const QString folder = qEnvironmentVariable("QUILLMERE_BOX_SHOTS"); !folder.isEmpty()) boxShots = QDir(folder);
    qm::window::WindowDriver driver(argv[1], std::cout, boxShots);
    return driver.RunFile(argc == 3 ? argv[2] : nullptr);
}
