#pragma once
// How large the window draws a control's text. The game gives every
// control a font size that grows with the window; the window draws at that
// size, or smaller only as far as needed for the text to fit the widget
// whole, however small the window:
// - a button's or toggle's caption fits the face (CaptionButton);
// - a label's caption, wrapped as the label wraps it, fits the label;
// - every row of a list fits across it, and as many rows as the list holds,
//   up to four, fit down it (a longer list scrolls);
// - a text box scrolls, and keeps the game's size.
// So a widget's font is never larger than its control's, and smaller only
// where the control's text would not fit at its own size.

#include <QFont>
#include <QWidget>

#include "ui/control.h"

namespace qm::qt {

// The font the widget draws `control` in: FontOf(control), shrunk to fit
// the widget's present size and text.
QFont FittedFont(const QWidget& widget, const Control& control);

}  // namespace qm::qt
