#pragma once
// The world chronicle that closes a game: the history of the world the
// player made in the mixing dish, told part by part.

namespace qm {

class Form;
class Game;
struct GameState;

// Puts the working screen away and shows the chronicle over the scene
// "par", with the button back to the title.
void WriteChronicle(Game& game);

// The text box of the chronicle.
void ShowChronicle(const GameState& state, Form& form);

}  // namespace qm
