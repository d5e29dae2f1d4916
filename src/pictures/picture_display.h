#pragma once
// Scene, face and memory pictures: loaded into a hidden buffer, then drawn
// scaled into their box, so a resize can redraw without reading files.

#include <string>

namespace qm {

class Game;

// Probes the marker files img/dmy and face/dmy.
void CheckPictureFolders(Game& game);

// Each takes a picture name, or "" to draw the held picture again. They
// return false when the picture file could not be loaded; the player has
// then been told which file it was.
bool ShowScene(Game& game, const std::string& name);
bool ShowFace(Game& game, const std::string& name);
bool ShowPicture(Game& game, const std::string& name);

}  // namespace qm
