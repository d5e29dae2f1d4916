#pragma once
// The fairy orb sells two hints: which colour one fairy likes (10 points)
// and how much every fairy loves the player (30 points).

#include <cstdint>

namespace qm {

class Game;

// Kind 0 names a fairy (never the black one) and its colour; kind 1 shows
// a star per point of each fairy's affection. The hint shows even when its
// price begins the ending.
void ShowOrbHint(Game& game, std::int16_t kind);

}  // namespace qm
