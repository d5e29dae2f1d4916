#pragma once
// The window's keys beyond Space and Enter, as shortcuts of the window:
// they act only while the window itself is active (not while a message
// box, the pop-up menu or the settings are in front), whichever of its
// controls has the focus.
//   F11, Alt+Enter  full screen          F2          the settings
//   M               music on and off     A           auto mode
//   H               hide the text        PageUp, L   the text history
//   1 to 6          the six commands     Escape      the pop-up menu

#include <functional>

class QObject;
class QWidget;

namespace qm::qt {

struct KeyActions {
    std::function<void()> fullScreen, settings, mute, autoMode, hideText, history, menu;
    std::function<void(int)> command;  // 0 to 5
};

// The actions run only while `owner` lives.
void BindKeys(QWidget& window, QObject& owner, const KeyActions& actions);

}  // namespace qm::qt
