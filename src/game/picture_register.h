#pragma once
// The register of collected memory pictures, sys/lstphoto.dat, which
// outlives every game. It is written each time a picture joins it, so that
// a crash or a kill loses none, and once more at shut-down.

#include <optional>
#include <string>

namespace qm {

class Game;

// The register file that could not be written.
struct RegisterProblem {
    std::string path;
};

// Replaces the file in one step. When it cannot be written, the file on the
// disk is the one before, and the problem is for the caller to tell.
std::optional<RegisterProblem> WritePictureRegister(Game& game);

}  // namespace qm
