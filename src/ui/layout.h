#pragma once
// The layout pass: the window keeps a 4:3 shape and every control sits on
// a 16 x 12 grid, so the screen scales with the window.

#include <cstdint>

#include "core/colour.h"

namespace qm {

class Form;

// The window's own colours, which the layout pass gives it.
inline constexpr Colour kWindowColour = kBlack;
inline constexpr Colour kWindowTextColour = kWhite;

// Places, sizes and colours every control for the window's height (at
// least 800 twips), and returns the base font size it chose.
std::int16_t LayOutControls(Form& form);

}  // namespace qm
