#pragma once
// The start-up bench's hook. With QUILLMERE_BENCH_FIRST_PAINT set, the
// program prints when `widget` was first painted on screen and its peak
// memory, then quits:
//   first-paint-ns <CLOCK_REALTIME nanoseconds>
//   maxrss-kib <peak resident set>

#include <QWidget>
#include <functional>

namespace qm::qt {

void ReportFirstPaintIfAsked(QWidget& widget);

// Runs `then` once `widget` has been painted for the first time and the
// event loop is back, so that work the first frame does not need waits
// until the player sees it.
void AfterFirstPaint(QWidget& widget, std::function<void()> then);

}  // namespace qm::qt
