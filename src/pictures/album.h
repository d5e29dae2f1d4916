#pragma once
// The HTML album: a page made from the template txt/arub, with the
// collected memory pictures at each "<SYASIN>" line, or one picture with the
// text of the event that gave it.

#include <string>

namespace qm {

class Game;

// Mode 0: every registered picture; mode 1: the chosen one and its event.
// False, after telling the player why, when nothing was written.
bool WriteAlbum(Game& game, int mode);

// The album button: a right click with a picture chosen makes that
// picture's album (when faces are installed), any other click the full one.
void ComIvent_MouseUp(Game& game, int index, int button);

}  // namespace qm
