#include "ui/help_mode.h"

#include "core/game.h"
#include "ui/events.h"

namespace qm {

bool HelpModeOn(const Game& game) { return game.state.Help.On; }

void ShowHelpText(Game& game, const std::string& text) { game.state.Help.Text = "HELP\r\n\r\n" + text; }

void OptHelp_Click(Game& game, int) {
    ShowHelpText(game, "現在ヘルプ状態です\r\n解除するには、ここを\r\n押して下さい");
    game.state.Help.On = !game.state.Help.On;
}

// Unchecking the box from code raises its click, which already turns help
// mode off; turning it off again leaves it off either way.
void ComHelp_Click(Game& game, int) {
    SetValue(game, game.form.OptHelp, 0);
    game.state.Help.On = false;
}

void ShowHelp(const GameState& state, Form& form) {
    form.ComHelp.visible = state.Help.On;
    form.ComHelp.caption = state.Help.Text;
}

}  // namespace qm
