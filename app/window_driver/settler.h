#pragma once
// Lets the window settle after each command, before the next: the event
// loop runs until only timer events have come for a while, and, while no
// box or pop-up is open, until the window manager has given the window
// the focus, which it does late (after the first show, after each box).

#include <QObject>

class QWidget;

namespace qm::window {

class Settler : public QObject {
public:
    // Counts the events of the whole application from now on.
    Settler();

    // False if the window manager never gave `window` the focus.
    bool Settle(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RunUntilQuiet();

    unsigned long events_ = 0;
};

}  // namespace qm::window
