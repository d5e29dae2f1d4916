#include "game/picture_register.h"

#include "game/game.h"

namespace qm {

std::optional<RegisterProblem> WritePictureRegister(Game& game) {
    const std::string path = game.state.SysFolder + "lstphoto.dat";
    if (ReplaceFileLines(game.files, game.files.FreeFile(), path, game.state.PictureRegister)) return std::nullopt;
    return RegisterProblem{path};
}

}  // namespace qm
