#pragma once
// Which fairy a reason colour attracts: each fairy owns a region of the
// colour cube, and the black fairy comes only to a player she trusts.

#include <array>
#include <cstdint>

namespace qm {

inline constexpr int kBlackFairy = 7;

// The first fairy, in number order, whose region of the colour cube holds
// the colour; -1 for none. A channel of exactly 150 is both high and low.
int FairyOfColour(int red, int green, int blue, bool blackFairyTaken);

// The black fairy comes only once every other fairy likes the player, and
// ガブガブ (fairy 2) three times over.
bool BlackFairyWilling(const std::array<std::int16_t, 8>& affection);

}  // namespace qm
