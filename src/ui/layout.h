#pragma once
// The layout pass: the window keeps a 4:3 shape and every control sits on
// a 16 x 12 grid, so the screen scales with the window.

namespace qm {

class Game;

// Gives the window a new size in twips; a change runs the layout pass, as
// a real window raises its resize event.
void ResizeWindow(Game& game, double width, double height);

void Form_Resize(Game& game);

}  // namespace qm
