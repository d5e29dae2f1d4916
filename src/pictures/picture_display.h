#pragma once
// Scene, face and memory pictures: loaded into a hidden buffer, then drawn
// scaled into their box, so a resize can redraw without reading files.

#include <optional>
#include <string>

namespace qm {

class Game;

// A picture file that could not be loaded.
struct PictureProblem {
    std::string path;
};

// Probes the marker files img/dmy and face/dmy.
void CheckPictureFolders(Game& game);

// Each takes a picture name, or "" to draw the held picture again, which
// cannot fail. A picture file that could not be loaded is the problem, for
// the caller to tell the player.
std::optional<PictureProblem> ShowScene(Game& game, const std::string& name);
std::optional<PictureProblem> ShowFace(Game& game, const std::string& name);
std::optional<PictureProblem> ShowPicture(Game& game, const std::string& name);

}  // namespace qm
