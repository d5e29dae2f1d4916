// bench-bare-window: the cheapest Qt window there is, with the game's
// first-paint hook, so that bench/startup.sh can tell how much of the
// game's start-up is Qt's own.

#include <QApplication>
#include <QWidget>

#include "first_paint_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    qm::qt::ReportFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
