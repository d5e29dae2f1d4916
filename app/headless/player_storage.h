#pragma once
// The driver decides where the game writes as the window does on Linux, so
// that a test can play an installed, read-only game folder.

#include <string>

#include "core/ports.h"

namespace qm::headless {

// A folder is writable when a folder can be made in it; the player's folder
// is $XDG_DATA_HOME/quillmere/, or ~/.local/share/quillmere/ without it,
// where the window's toolkit puts it.
class PlayerStorage : public Storage {
public:
    bool CanWrite(const std::string& folder) override;
    std::string PlayerFolder() override;
};

}  // namespace qm::headless
