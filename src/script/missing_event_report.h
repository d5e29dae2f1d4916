#pragma once
// The report shown when an event file cannot be read: what is missing and a
// dump of the main game values, for the player to send to us.

#include <string>

namespace qm {

struct GameState;

std::string MissingEventReport(const GameState& state, const std::string& name);

}  // namespace qm
