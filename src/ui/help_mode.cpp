#include "ui/help_mode.h"

#include "core/game.h"
#include "ui/events.h"

namespace qm {

bool HelpModeOn(const Game& game) { return game.form.ComHelp.visible; }

void ShowHelpText(Game& game, const std::string& text) { game.form.ComHelp.caption = "HELP\r\n\r\n" + text; }

void OptHelp_Click(Game& game, int) {
    ShowHelpText(game, "現在ヘルプ状態です\r\n解除するには、ここを\r\n押して下さい");
    game.form.ComHelp.visible = !game.form.ComHelp.visible;
}

// Unchecking the box from code raises its click, which already hides the
// label; hiding it again leaves help mode off either way.
void ComHelp_Click(Game& game, int) {
    SetValue(game, game.form.OptHelp, 0);
    game.form.ComHelp.visible = false;
}

}  // namespace qm
