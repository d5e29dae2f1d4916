#pragma once
// What the window shows over the model, of the player's own choosing: the
// text larger, the colours in higher contrast, the speech hidden to see the
// scene, the event held while the player reads back. The model never hears
// of any of it. The mirror draws every control as AsShown() makes it, and
// the window driver compares the window with the same, so that both agree
// on what the window should show.

#include "ui/control.h"

namespace qm::qt {

struct WindowLook {
    double textScale = 1;      // the game's font sizes times this, 1 to 1.5
    bool highContrast = false;  // every text at least 7:1 against its ground
    bool textHidden = false;    // the speech text, the name and the face
    bool eventHeld = false;     // the text timer waits

    bool operator==(const WindowLook&) const = default;
};

// The contrast that high contrast gives every text.
inline constexpr double kHighContrast = 7;

// The control as the window draws it under `look`.
Control AsShown(const Control& control, const WindowLook& look, double twipsPerPixel);

// Whether the window runs a timer the model runs.
bool Runs(const Control& timer, const WindowLook& look);

// Whether a label is drawn straight over the scene on a dark band, so that
// any scene behind it keeps its text readable.
bool Banded(const Control& label, const WindowLook& look);

}  // namespace qm::qt
