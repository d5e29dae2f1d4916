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
    Panels& shown = game.state.Shown;
    shown.Ending = false;
    shown.Commands = true;
    shown.Title = false;
    shown.Photo = false;
    ComHelp_Click(game, 0);
}

void StartGame(Game& game) {
    ShowPlayingPanels(game);
    // The row the player chose in the mode list.
    game.state.PointLimit = PointLimitOf(game.form.CountMaxLst.listIndex);
    ShowScene(game, "game");
    StartEvent(game, "opn");
}

void ShowTitleScreen(const GameState& state, Form& form) { form.LblStt.caption = state.TitleText; }

void ComStt_Click(Game& game, int) { StartGame(game); }

void menu_0_Click(Game& game, int) { ResetGame(game); }

}  // namespace qm
