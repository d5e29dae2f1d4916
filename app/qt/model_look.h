#pragma once
// How the model's colours, texts, fonts and twips read in Qt terms.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "ui/control.h"

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

}  // namespace qm::qt
