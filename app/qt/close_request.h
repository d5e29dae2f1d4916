#pragma once
// Whether a native event that reaches the window is the window manager's
// request to close it (on X11, WM_DELETE_WINDOW; elsewhere never).

#include <QByteArray>

namespace qm::qt {

bool IsCloseRequest(const QByteArray& eventType, const void* message);

}  // namespace qm::qt
