#pragma once
// The player's input that no shortcut can catch, watched on its way to any
// widget of the window:
// - Ctrl held down skips, and letting go stops;
// - the middle button hides the text;
// - the wheel turned up opens the text history, except over a list or a
//   scroll bar, which it scrolls;
// - while the text is hidden, any key or click only shows it again.

#include <QObject>
#include <functional>

class QWidget;

namespace qm::qt {

struct InputActions {
    std::function<void(bool)> skip;
    std::function<void()> hideText, showText, history;
    std::function<bool()> textHidden;
};

class WindowInput : public QObject {
public:
    WindowInput(QWidget& window, InputActions actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InWindow(QObject* watched) const;
    bool WhileHidden(QEvent* event);
    bool Wheel(QObject* watched, QEvent* event);

    QWidget& window_;
    InputActions actions_;
    bool swallowRelease_ = false;  // the release of the click that showed the text
};

}  // namespace qm::qt
