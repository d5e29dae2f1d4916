#pragma once
// Where the game may write, as Qt knows it: whether the program's folder
// can be written, and the player's own folder for the game's files
// (QStandardPaths::AppDataLocation, on Linux ~/.local/share/quillmere/).

#include "core/ports.h"

namespace qm::qt {

class QtStorage : public Storage {
public:
    bool CanWrite(const std::string& folder) override;
    std::string PlayerFolder() override;
};

}  // namespace qm::qt
