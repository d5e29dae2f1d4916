#include "core/title_screen.h"

#include "core/game.h"
#include "core/lifecycle.h"
#include "pictures/picture_display.h"
#include "script/event_start.h"
#include "ui/help_mode.h"

namespace qm {

std::int16_t PointLimitOf(int modeRow) {
    switch (modeRow) {
        case 0:
            return 300;
        case 2:
            return 700;
        case 3:
            return 1000;
        default:
            return 500;
    }
}

void ShowPlayingPanels(Game& game) {
    Form& form = game.form;
    form.TxtEnd.visible = false;
    form.ComEnd.visible = false;
    form.GrpCom.visible = true;
    form.PicStt.visible = false;
    form.PicPhoto.visible = false;
    ComHelp_Click(game, 0);
}

void StartGame(Game& game) {
    ShowPlayingPanels(game);
    game.state.PointLimit = PointLimitOf(game.form.CountMaxLst.listIndex);
    ShowScene(game, "game");
    StartEvent(game, "opn");
}

void ComStt_Click(Game& game, int) { StartGame(game); }

void menu_0_Click(Game& game, int) { ResetGame(game); }

}  // namespace qm
