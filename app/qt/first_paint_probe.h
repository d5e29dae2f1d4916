#pragma once
// The start-up bench's hook. With QUILLMERE_BENCH_FIRST_PAINT set, the
// program prints when `widget` was first painted on screen and its peak
// memory, then quits:
//   first-paint-ns <CLOCK_REALTIME nanoseconds>
//   maxrss-kib <peak resident set>

#include <QWidget>

namespace qm::qt {

void ReportFirstPaintIfAsked(QWidget& widget);

}  // namespace qm::qt
