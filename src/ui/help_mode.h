#pragma once
// Help mode: while the floating help label shows, every control explains
// itself there before it acts.

#include <string>

namespace qm {

class Form;
class Game;
struct GameState;

bool HelpModeOn(const Game& game);

// Puts text into the help label, whether or not help mode is on.
void ShowHelpText(Game& game, const std::string& text);

// "HELP !!!": the check mark has flipped already; the help label follows.
void OptHelp_Click(Game& game, int index);

// A click on the help label ends help mode.
void ComHelp_Click(Game& game, int index);

// The help label: shown while help mode is on.
void ShowHelp(const GameState& state, Form& form);

}  // namespace qm
