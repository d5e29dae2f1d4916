#pragma once
// The fairy orb sells two hints: which colour one fairy likes (10 points)
// and how much every fairy loves the player (30 points).

namespace qm {

class Game;

enum class OrbHint {
    Colour,     // a fairy (never the black one) and her colour
    Affection,  // a star per point of each fairy's affection
};

// The hint shows even when its price begins the ending.
void ShowOrbHint(Game& game, OrbHint hint);

}  // namespace qm
