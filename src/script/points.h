#pragma once
// Action points: every priced action pays here first.

#include <cstdint>

namespace qm {

class Game;

// Adds cost to the points used and shows the total. Returns true when the
// points have reached the limit and the ending has begun.
bool SpendPoints(Game& game, std::int16_t cost);

}  // namespace qm
