#pragma once
// The game's timers in the window, held: the window starts and stops them
// as it always does, but their wall-clock ticks are swallowed, so that a
// script runs the same on a fast machine and a slow one. A tick the script
// asks for is a QTimerEvent given to the real QTimer, which then times out
// and reaches the game exactly as a real tick does.

#include <QObject>

class QTimer;

namespace qm::window {

class HeldTimers : public QObject {
public:
    void Hold(QTimer& timer);

    // One tick, if the window has the timer running; false if it has not.
    bool Tick(QTimer& timer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QEvent* given_ = nullptr;
};

}  // namespace qm::window
