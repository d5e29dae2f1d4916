#pragma once
// The window's size: a new size runs the layout pass and draws the
// pictures afresh at the new scale.

namespace qm {

class Game;

// Gives the window a new size in twips; a change runs the layout pass, as
// a real window raises its resize event. Both end with the controls drawn
// from the state.
void ResizeWindow(Game& game, double width, double height);

void Form_Resize(Game& game);

}  // namespace qm
