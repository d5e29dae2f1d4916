#pragma once
// How long a game lasts, and whose ending closes it.

#include <array>
#include <cstdint>

namespace qm {

// The action points a game lasts, by the row chosen in the mode list
// (-1 when none is chosen).
std::int16_t PointLimitOf(int modeRow);

// The fairy who loves the player most; a tie goes to the higher index.
int BestLovedFairy(const std::array<std::int16_t, 8>& affection);

}  // namespace qm
