#pragma once
// Lets the window settle after each command, before the next: the event
// loop runs until only timer events have come for a while (and no button
// pressed by its Alt key is still down), and until the window manager has
// given the focus to the window, or to the box the window opened (the
// settings), which it does late (after the first show, after each box),
// or a second has passed.

#include <QObject>
#include <string>

class QWidget;

namespace qm::window {

class Settler : public QObject {
public:
    // Counts the events of the whole application from now on.
    Settler();

    // What kept the window from settling, or nothing.
    std::string Settle(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False if events went on coming for too long.
    bool RunUntilQuiet();

    unsigned long events_ = 0;
    int lastType_ = 0;
    const char* lastReceiver_ = "";
};

}  // namespace qm::window
