#include "settler.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "window_manager.h"

namespace qm::window {
namespace {

// Quiet this long means settled: what the window system owes follows the
// last event within milliseconds. The focus, which the window manager may
// give much later on a busy machine, is waited for on its own.
constexpr int kQuietMs = 30;
// How often the loop wakes while it waits for quiet.
constexpr int kWakeMs = 5;
// A window that never settles (a timer of Qt's own repaints it forever)
// still lets the script go on.
constexpr int kLongestMs = 2000;

}  // namespace

Settler::Settler() { qApp->installEventFilter(this); }

bool Settler::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Timer) ++events_;
    return false;
}

void Settler::RunUntilQuiet() {
    QTimer wake;
    wake.start(kWakeMs);
    QDeadlineTimer quiet(kQuietMs);
    const QDeadlineTimer giveUp(kLongestMs);
    while (!quiet.hasExpired() && !giveUp.hasExpired()) {
        const unsigned long before = events_;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (events_ != before) quiet.setRemainingTime(kQuietMs);
    }
}

bool Settler::Settle(QWidget* window) {
    RunUntilQuiet();
    const bool waitsForFocus = window && window->isVisible() && !QApplication::activePopupWidget() &&
                               !QApplication::activeModalWidget() && !window->isActiveWindow();
    if (!waitsForFocus) return true;
    const bool focused = QTest::qWaitForWindowActive(window, kWindowManagerMs);
    RunUntilQuiet();
    return focused;
}

}  // namespace qm::window
