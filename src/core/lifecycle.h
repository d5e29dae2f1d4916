#pragma once
// The moments that frame a run: start-up, the reset to the title screen,
// the window's first activation, and shut-down. Each but the reset, which
// runs inside the others and the handlers, ends with the controls drawn
// from the state.

namespace qm {

class Game;

void Form_Load(Game& game);
void Form_Activate(Game& game);
void ResetGame(Game& game);
void Form_Unload(Game& game);

}  // namespace qm
