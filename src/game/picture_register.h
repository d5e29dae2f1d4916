#pragma once
// The register of collected memory pictures, sys/lstphoto.dat, which
// outlives every game. It is written each time a picture joins it, so that
// a crash or a kill loses none, and once more at shut-down.

namespace qm {

class Game;

// Replaces the file in one step. False, after telling the player, when it
// could not be written; the file on the disk is then the one before.
bool WritePictureRegister(Game& game);

}  // namespace qm
