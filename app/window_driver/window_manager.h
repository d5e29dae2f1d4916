#pragma once
// Requests to the window manager about a top-level window, made as a
// player makes them: the frame's close button, and dragging its edge. The
// window hears of them as from any desktop, through the X server.

#include <QSize>

class QWidget;

namespace qm::window {

// _NET_MOVERESIZE_WINDOW: the window's inside is to take `size`.
void AskToResize(const QWidget& window, QSize size);

// _NET_CLOSE_WINDOW, which the window manager turns into the window's
// WM_DELETE_WINDOW.
void AskToClose(const QWidget& window);

}  // namespace qm::window
