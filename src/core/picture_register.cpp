#include "core/picture_register.h"

#include "core/game.h"

namespace qm {

bool WritePictureRegister(Game& game) {
    const std::string path = game.state.SysFolder + "lstphoto.dat";
    if (ReplaceFileLines(game.files, game.files.FreeFile(), path, game.state.PictureRegister)) return true;
    game.Message("記憶絵の記録を書き込めませんでした。\r\n" + path);
    return false;
}

}  // namespace qm
