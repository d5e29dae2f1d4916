#include "settler.h"

#include <QAbstractButton>
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
// The window manager gives the focus within milliseconds when it gives it.
constexpr int kFocusMs = 1000;

// A button pressed by its Alt key comes up by itself a moment later, on a
// timer of Qt's own, and only then acts.
bool ButtonComingUp() {
    const QWidget* active = QApplication::activeWindow();
    if (!active) return false;
    for (const QAbstractButton* button : active->findChildren<QAbstractButton*>())
        if (button->isDown()) return true;
    return false;
}

}  // namespace

Settler::Settler() { qApp->installEventFilter(this); }

bool Settler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer) return false;
    ++events_;
    lastType_ = event->type();
    lastReceiver_ = watched->metaObject()->className();
    return false;
}

bool Settler::RunUntilQuiet() {
    QTimer wake;
    wake.start(kWakeMs);
    QDeadlineTimer quiet(kQuietMs);
    const QDeadlineTimer giveUp(kLongestMs);
    while (!quiet.hasExpired() && !giveUp.hasExpired()) {
        const unsigned long before = events_;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (events_ != before || ButtonComingUp()) quiet.setRemainingTime(kQuietMs);
    }
    return quiet.hasExpired();
}

std::string Settler::Settle(QWidget* window) {
    const auto restless = [this] {
        return "the window did not settle (the last event: " + std::to_string(lastType_) + " to " + lastReceiver_ + ")";
    };
    if (!RunUntilQuiet()) return restless();
    // A box the window opened for the player (the settings) takes the keys
    // once the window manager has made it active.
    if (QWidget* box = QApplication::activeModalWidget(); box && !box->isActiveWindow()) {
        (void)QTest::qWaitForWindowActive(box, kFocusMs);
        return RunUntilQuiet() ? std::string() : restless();
    }
    const bool waitsForFocus = window && window->isVisible() && !QApplication::activePopupWidget() &&
                               !QApplication::activeModalWidget() && !window->isActiveWindow();
    if (!waitsForFocus) return {};
    // Now and then the window manager does not give the focus back after a
    // box; a player's next click gives it (WindowDriver::WindowToClick).
    (void)QTest::qWaitForWindowActive(window, kFocusMs);
    return RunUntilQuiet() ? std::string() : restless();
}

}  // namespace qm::window
