#pragma once
// The register of collected memory pictures and its viewer.

#include <string>

namespace qm {

class Form;
class Game;
struct GameState;

// Shows a memory picture and registers it if it is new, writing the
// register at once. The empty name does nothing.
void LBlIvent_See(Game& game, const std::string& name);

// The register entry the player chose in the viewer; empty for none.
std::string ChosenPicture(const Game& game);

// The player picks a register entry: its picture shows over the scene.
void LstIvent_Click(Game& game, int index);

// A click on the shown picture puts it away.
void PicPhoto_Click(Game& game, int index);

// The register's list and the count of pictures collected out of all.
void ShowRegister(const GameState& state, Form& form);

}  // namespace qm
