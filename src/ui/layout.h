#pragma once
// The layout pass: the window keeps a 4:3 shape and every control sits on
// a 16 x 12 grid, so the screen scales with the window.

#include "core/colour.h"

namespace qm {

class Game;

// The window's own colours, which the layout pass gives it.
inline constexpr Colour kWindowColour = kBlack;
inline constexpr Colour kWindowTextColour = kWhite;

// Gives the window a new size in twips; a change runs the layout pass, as
// a real window raises its resize event. Both end with the controls drawn
// from the state.
void ResizeWindow(Game& game, double width, double height);

void Form_Resize(Game& game);

}  // namespace qm
