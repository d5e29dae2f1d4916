#pragma once
// The idle benches' hook. With QUILLMERE_BENCH_PRESS=NAME set, the program
// clicks the button NAME once the title screen is up ("ComLoad" brings a
// saved game onto the playing screen) and answers the first message box
// that follows, so that a bench can watch the game idle where a player
// leaves it.

#include <QWidget>

namespace qm::qt {

void PressIfAsked(QWidget& window);

}  // namespace qm::qt
