#include "held_timers.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QTimer>
#include <QTimerEvent>

namespace qm::window {

void HeldTimers::Hold(QTimer& timer) { timer.installEventFilter(this); }

bool HeldTimers::Tick(QTimer& timer) {
    if (!timer.isActive()) return false;
    QTimerEvent tick(timer.timerId());
    const QScopedValueRollback<const QEvent*> giving(given_, &tick);
    QCoreApplication::sendEvent(&timer, &tick);
    return true;
}

// A tick's handler may open a message box whose event loop goes on, so the
// one tick let through is told by its address, not by a flag.
bool HeldTimers::eventFilter(QObject*, QEvent* event) { return event->type() == QEvent::Timer && event != given_; }

}  // namespace qm::window
