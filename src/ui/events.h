#pragma once
// What the player (or the game itself) does to a control, and the handlers
// that it raises, as the window toolkit would raise them. Each ends with
// the controls drawn from the state (Game::Project).

#include "ui/control.h"

namespace qm {

class Game;

// The player clicks a control. A check box flips first and an option
// button becomes selected first, then the control's click handler runs.
void Click(Game& game, Control& control);

// A scroll bar, check box or option button takes a value, from the player
// or from the game's own code; if that changes the value, the control's
// change (scroll bar) or click (check box, option button) handler runs.
void SetValue(Game& game, Control& control, int value);

// The player drags a scroll bar's thumb to value.
void Scroll(Game& game, Control& control, int value);

// The player clicks row `row` of a list (-1 clears the selection and
// raises nothing).
void SelectRow(Game& game, Control& list, int row);

// A mouse button (1 left, 2 right) is released over a control.
void MouseUp(Game& game, Control& control, int button);

// A timer's interval has passed; ignored while the timer is disabled.
void Tick(Game& game, Control& timer);

}  // namespace qm
