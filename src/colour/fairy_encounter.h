#pragma once
// Going out: each of the three reason colours attracts at most one fairy,
// and who came decides the event that follows.

#include <array>
#include <cstdint>

namespace qm {

class Game;

inline constexpr int kBlackFairy = 7;

// Why nobody came: the three colours did not bring three fairies (or one
// fairy three times), or the black fairy was not yet willing.
enum class OutingFailure { NobodyCame, TooDark };

// The first fairy, in number order, whose region of the colour cube holds
// the colour; -1 for none. A channel of exactly 150 is both high and low.
int FairyOfColour(int red, int green, int blue, bool blackFairyTaken);

// The black fairy comes only once every other fairy likes the player, and
// ガブガブ (fairy 2) three times over.
bool BlackFairyWilling(const std::array<std::int16_t, 8>& affection);

// The outing with the three registered colours; the 10 points are paid.
void GoOut(Game& game);

}  // namespace qm
