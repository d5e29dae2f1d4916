// bench-bare-window [--text]: the cheapest Qt window there is, with the
// game's first-paint hook, so that bench/startup.sh can tell how much of
// the game's start-up is Qt's own. With --text it shows one line of
// Japanese in the game's face, white on black, at 640 x 480: what any
// program that shows the game's text must pay for its fonts.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "first_paint_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QWidget window;
    if (text) {
        window.resize(640, 480);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::white);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        auto* line = new QLabel(QString::fromUtf8("妖精たちの色を綺飾ッテ外へ"), &window);
        QFont font;
        font.setFamilies({"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"});
        line->setFont(font);
        line->move(20, 20);
    }
    qm::qt::ReportFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
