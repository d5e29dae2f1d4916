#include "pictures/picture_viewer.h"

#include <algorithm>

#include "game/game.h"
#include "game/messages.h"
#include "game/picture_register.h"
#include "pictures/picture_display.h"

namespace qm {

// How many memory pictures the game holds in all.
constexpr int kPictureTotal = 64;

void LBlIvent_See(Game& game, const std::string& name) {
    GameState& s = game.state;
    const auto& entries = s.PictureRegister;
    if (name.empty()) return;
    const bool isNew = std::find(entries.begin(), entries.end(), name) == entries.end();
    s.Shown.Photo = true;
    if (Tell(game, ShowPicture(game, name))) return;
    if (isNew) {
        s.PictureRegister.Edit().push_back(name);
        Tell(game, WritePictureRegister(game));
    }
}

std::string ChosenPicture(const Game& game) {
    const int row = game.form.LstIvent.listIndex;
    const auto& entries = game.state.PictureRegister;
    return row >= 0 && row < static_cast<int>(entries.size()) ? entries[row] : std::string();
}

void LstIvent_Click(Game& game, int) {
    const std::string name = ChosenPicture(game);
    if (name.empty() || !game.state.PicturesPresent) return;
    game.state.Shown.Photo = true;
    Tell(game, ShowPicture(game, name));
}

void PicPhoto_Click(Game& game, int) { game.state.Shown.Photo = false; }

void ShowRegister(const GameState& state, Form& form) {
    if (form.LstIvent.listRevision != state.PictureRegister.LastChange())
        form.LstIvent.SetList(*state.PictureRegister, state.PictureRegister.LastChange());
    form.LBlIvent.caption = std::to_string(state.PictureRegister.size()) + "/" + std::to_string(kPictureTotal);
}

void InstallViewer(Form& form) {
    form.LstIvent.on.click = LstIvent_Click;
    form.PicPhoto.on.click = PicPhoto_Click;
}

}  // namespace qm
