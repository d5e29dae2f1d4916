#pragma once
// The text-pacing bench's hook. With QUILLMERE_BENCH_TEXT_PACING=N set, the
// program presses "Start" once the title screen is up, then prints the
// interval between each two of the next N+1 text-timer ticks that reach the
// game, and quits:
//   tick-interval-us <microseconds>

#include <QWidget>

namespace qm::qt {

void MeasureTextPacingIfAsked(QWidget& window);

}  // namespace qm::qt
