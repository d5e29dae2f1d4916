#pragma once
// The game's icon, built into the program at every size the build drew, so
// that the window has it wherever the program runs from.

#include <QIcon>

namespace qm::qt {

QIcon GameIcon();

}  // namespace qm::qt
