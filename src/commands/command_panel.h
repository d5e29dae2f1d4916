#pragma once
// The command panel: the three tool panels, the fairy orb, the pop-up menu,
// and the points label; and the menu's version box and help walkthrough.

namespace qm {

class Form;
class Game;

void Com_Click(Game& game, int index);

// Says how many points the game lasts, whether or not help mode is on.
void LblPC_Click(Game& game, int index);

void menu_ver_Click(Game& game, int index);
void menu_help_Click(Game& game, int index);

// Puts this feature's handlers on its controls.
void InstallCommandPanel(Form& form);

}  // namespace qm
