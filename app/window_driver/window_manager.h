#pragma once
// Requests to the window manager about a top-level window, made as a
// player makes them: the frame's close button, and dragging its edge. The
// window hears of them as from any desktop, through the X server.

#include <QSize>

class QWidget;

namespace qm::window {

// How long the window manager may take to do what it is asked or what it
// does of itself (map, focus, resize, close); on a busy machine, seconds.
constexpr int kWindowManagerMs = 5000;

// _NET_MOVERESIZE_WINDOW: the window's inside is to take `size`.
void AskToResize(const QWidget& window, QSize size);

// Whether the window manager holds the window active (_NET_ACTIVE_WINDOW),
// whatever Qt has heard of it so far.
bool IsActive(const QWidget& window);

// _NET_ACTIVE_WINDOW, as a click on the window would.
void AskToActivate(const QWidget& window);

// _NET_CLOSE_WINDOW, which the window manager turns into the window's
// WM_DELETE_WINDOW.
void AskToClose(const QWidget& window);

}  // namespace qm::window
