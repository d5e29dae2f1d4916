#pragma once
// Action points and the ending they lead to: every priced action pays here
// first, and the last payment starts the ending event.

#include <array>
#include <cstdint>

namespace qm {

class Form;
class Game;
struct GameState;

// Adds cost to the points used. Returns true when the
// points have reached the limit and the ending has begun; the test is made
// on every call, so every call past the limit begins it again.
bool SpendPoints(Game& game, std::int16_t cost);

// The fairy who loves the player most; a tie goes to the higher index.
int BestLovedFairy(const std::array<std::int16_t, 8>& affection);

// The points label: the points used so far.
void ShowPoints(const GameState& state, Form& form);

// The ending's "最初ヘ戻る" button: back to the title screen.
void ComEnd_Click(Game& game, int index);

}  // namespace qm
