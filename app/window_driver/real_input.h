#pragma once
// The player's hands: mouse buttons and keys given to a top-level window
// at a point of the screen.
//
// They go in through QTest's QWindow functions, which enter Qt where the X
// server's events enter it (QWindowSystemInterface): Qt's own hit-testing
// picks the widget under the point, so a covered control is really
// covered, and mouse grabs, pop-up and modal rules, focus and shortcuts all
// apply. Each press is handled before the call returns, so the next command
// of a script never races the last one, as it would with xdotool's input
// through the X server. The X pointer moves to the point as well, so what
// opens at the pointer (the pop-up menu) opens where the player clicked.

#include <QKeyCombination>
#include <QPoint>

class QWidget;
class QWindow;

namespace qm::window {

// Where a player aims at a widget: the middle of it, on the screen.
QPoint CentreOnScreen(const QWidget& widget);

// Whether a click at `point` (on the screen) reaches `widget` or a child of
// it: the widget is shown, a screen and its window hold the point, no
// pop-up or box lies over it, and no other widget of the window covers it.
bool Reaches(const QWidget& widget, QPoint point);

// Mouse input at `point` on the screen, to `window`, which must hold it.
void Press(QWindow& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
void MoveHeld(QWindow& window, QPoint point);
void Release(QWindow& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
void ClickAt(QWindow& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);

void PressKey(QWindow& window, QKeyCombination key);
// A key held down, and let go.
void KeyDown(QWindow& window, QKeyCombination key);
void KeyUp(QWindow& window, QKeyCombination key);

// The mouse wheel turned at `point` on the screen by `notches` (positive
// away from the player, "up"), given to the widget there as Qt's window
// gives it; nothing while a box or pop-up keeps the point from the window.
void TurnWheel(QPoint point, int notches);

}  // namespace qm::window
