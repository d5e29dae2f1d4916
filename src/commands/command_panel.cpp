#include "commands/command_panel.h"

#include <string>

#include "commands/fairy_orb.h"
#include "commands/help_mode.h"
#include "game/game.h"
#include "game/messages.h"
#include "script/event_start.h"

namespace qm {
namespace {

void Toggle(bool& shown) { shown = !shown; }

struct Command {
    const char* help;
    void (*action)(Game&);
};

const Command kCommands[] = {
    {"理性綺を作るツールを表示させます。\r\n妖精に会うためには不可欠なツールです。",
     [](Game& game) { Toggle(game.state.Shown.Workshop); }},
    {"感情綺から世界を作るためのツールを表示させます", [](Game& game) { Toggle(game.state.Shown.Dish); }},
    {"集めた記憶絵を閲覧する画面を表示させます。\r\n記憶絵は、妖精とのイベントで手に入ります。\r\n"
     "記憶絵のナンバーをクリックすると、その絵が表示されます。\r\n記憶絵を隠すときは、記憶絵をクリックします。",
     [](Game& game) {
         game.state.Shown.Photo = false;
         Toggle(game.state.Shown.Viewer);
     }},
    {"妖精球にヒントを頼みます。\r\nどの妖精がどの理性綺（色）に寄ってくるかを表示します",
     [](Game& game) { ShowOrbHint(game, OrbHint::Colour); }},
    {"妖精球にヒントを頼みます。\r\n感情は、今の妖精達の貴方への好感度を、表示します",
     [](Game& game) { ShowOrbHint(game, OrbHint::Affection); }},
    {"システムメニューを表示させます、セーブ、ロードなどができます。",
     [](Game& game) { game.ports.dialogs.PopupMenu(game.form.menu); }},
};

}  // namespace

void Com_Click(Game& game, int index) {
    const Command& command = kCommands[index];
    if (HelpModeOn(game)) ShowHelpText(game, command.help);
    command.action(game);
}

void LblPC_Click(Game& game, int) {
    ShowHelpText(game, "エンディングまでの行動ポイントです\r\n" + std::to_string(game.state.PointLimit) +
                           "ポイントまで行動できます。");
}

void menu_ver_Click(Game& game, int) {
    game.Message(VersionMessage(game.state.VersionText));
}

void menu_help_Click(Game& game, int) { StartEvent(game, "help"); }

void InstallCommandPanel(Form& form) {
    for (Control& button : form.Com) button.on.click = Com_Click;
    form.LblPC.on.click = LblPC_Click;
    form.menu_ver.on.click = menu_ver_Click;
    form.menu_help.on.click = menu_help_Click;
}

}  // namespace qm
