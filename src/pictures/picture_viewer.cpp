#include "pictures/picture_viewer.h"

#include <algorithm>

#include "core/game.h"
#include "core/picture_register.h"
#include "pictures/picture_display.h"

namespace qm {

// How many memory pictures the game holds in all.
constexpr int kPictureTotal = 64;

void LBlIvent_See(Game& game, const std::string& name) {
    Form& form = game.form;
    auto& entries = form.LstIvent.list;
    if (!name.empty()) {
        const bool isNew = std::find(entries.begin(), entries.end(), name) == entries.end();
        form.PicPhoto.visible = true;
        if (!ShowPicture(game, name)) return;
        if (isNew) {
            entries.push_back(name);
            WritePictureRegister(game);
        }
    }
    form.LBlIvent.caption = std::to_string(entries.size()) + "/" + std::to_string(kPictureTotal);
}

void LstIvent_Click(Game& game, int) {
    const std::string name = game.form.LstIvent.ChosenText();
    if (name.empty() || !game.state.PicturesPresent) return;
    game.form.PicPhoto.visible = true;
    ShowPicture(game, name);
}

void PicPhoto_Click(Game& game, int) { game.form.PicPhoto.visible = false; }

}  // namespace qm
