#pragma once
// The history bench's hook. With QUILLMERE_BENCH_HISTORY=N set, the program
// presses "Start" once the title screen is up and opens the text history N
// times with the wheel turned up over the speech text, closing it with
// Escape each time: first with the opening's first page behind it, then
// again once it has clicked the text on until the history holds 500 pages
// (or the event has ended). Each time, from the wheel to the end of the
// history's first paint:
//   history-open-ms <pages> <milliseconds>

#include <QWidget>

namespace qm {
class Game;
}

namespace qm::qt {

void MeasureHistoryOpeningIfAsked(QWidget& window, const Game& game);

}  // namespace qm::qt
