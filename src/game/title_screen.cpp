#include "game/title_screen.h"

#include "commands/help_mode.h"
#include "game/game.h"
#include "game/lifecycle.h"
#include "game/messages.h"
#include "pictures/picture_display.h"
#include "rules/points.h"
#include "script/event_start.h"

namespace qm {

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
    Tell(game, ShowScene(game, "game"));
    StartEvent(game, "opn");
}

void ShowTitleScreen(const GameState& state, Form& form) { form.LblStt.caption = state.TitleText; }

void ComStt_Click(Game& game, int) { StartGame(game); }

void menu_0_Click(Game& game, int) { ResetGame(game); }

void InstallTitleScreen(Form& form) {
    form.ComStt.on.click = ComStt_Click;
    form.menu_0.on.click = menu_0_Click;
}

}  // namespace qm
