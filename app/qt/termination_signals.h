#pragma once
// SIGTERM, SIGHUP and SIGINT, which a logout, a closed terminal or a
// system shut-down send, close the window as the player's close does, so
// that the game shuts down through its own unload. A signal handler may
// not touch Qt: it only writes a byte into a pipe that the event loop
// watches.

class QWidget;

namespace qm::qt {

void CloseOnTerminationSignals(QWidget& window);

}  // namespace qm::qt
