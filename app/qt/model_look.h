#pragma once
// How the model's colours, texts, fonts and twips read in Qt terms.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "ui/form.h"

namespace qm::qt {

QColor ColorOf(Colour colour);

// The game writes its line breaks as CR LF.
QString TextOf(const std::string& text);

// Gothic for everything, Mincho for the title.
QFont FontOf(const Control& control);

// The control's rectangle in pixels inside its container's widget: edges
// are rounded rather than sizes, so that controls that touch in twips touch
// on screen. For the window: its place on the screen and its client size.
QRect PixelRectOf(const Control& control, double twipsPerPixel);

// Whether the control and every container above it are visible.
bool ShownInModel(const Control& control);

// How often the window ticks a timer of the game. Desktop timers, which the
// game was made for, never fired faster than every 15 ms. The music timer
// asks for 1 ms only to notice the end of the piece; the sound plays ahead
// by one output buffer, so polling every 100 ms restarts the piece within a
// buffer and a poll, and leaves the idle game asleep in between.
int TickIntervalOf(const Form& form, const Control& timer);

}  // namespace qm::qt
