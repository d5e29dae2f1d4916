#pragma once
// The values that `show` prints, as JSON text.

#include <optional>
#include <string>

#include "core/game_state.h"
#include "ui/control.h"

namespace qm::headless {

// A property of a control; nothing if the control has no such property.
std::optional<std::string> ControlProperty(const Control& control, const std::string& property);

// A field of the game state by its name; nothing if there is none.
std::optional<std::string> StateField(const GameState& state, const std::string& field);

}  // namespace qm::headless
