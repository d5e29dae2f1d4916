#pragma once
// The title screen: a new game of the chosen length, and the way back.

#include <cstdint>

namespace qm {

class Form;
class Game;
struct GameState;

// The action points a game lasts, by the row chosen in the mode list
// (-1 when none is chosen).
std::int16_t PointLimitOf(int modeRow);

// The screen of a game in play: the ending and the title put away, the
// command panel out, no memory picture, help mode off.
void ShowPlayingPanels(Game& game);

void StartGame(Game& game);

// The title screen's text.
void ShowTitleScreen(const GameState& state, Form& form);
void ComStt_Click(Game& game, int index);

// "初期化": back to the title at once, whatever is going on.
void menu_0_Click(Game& game, int index);

}  // namespace qm
