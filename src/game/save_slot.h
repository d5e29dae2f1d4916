#pragma once
// The one save slot: four files in sys/ written by "ＳＡＶＥ" and read back
// by "LOAD" (the menu) or "Load" (the title screen).

namespace qm {

class Form;
class Game;

void SaveGame(Game& game);

// Reads and checks all four files before anything changes: a missing or
// damaged file is named and the game stays as it was.
void LoadGame(Game& game);

void menu_salo_Click(Game& game, int index);
void ComLoad_Click(Game& game, int index);

// Puts this feature's handlers on its controls.
void InstallSaveSlot(Form& form);

}  // namespace qm
