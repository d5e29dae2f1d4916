#pragma once
// The title screen: a new game of the chosen length, and the way back.

namespace qm {

class Form;
class Game;
struct GameState;

// The screen of a game in play: the ending and the title put away, the
// command panel out, no memory picture, help mode off.
void ShowPlayingPanels(Game& game);

void StartGame(Game& game);

// The title screen's text.
void ShowTitleScreen(const GameState& state, Form& form);
void ComStt_Click(Game& game, int index);

// "初期化": back to the title at once, whatever is going on.
void menu_0_Click(Game& game, int index);

// Puts this feature's handlers on its controls.
void InstallTitleScreen(Form& form);

}  // namespace qm
