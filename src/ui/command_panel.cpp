#include "ui/command_panel.h"

#include <string>

#include "core/game.h"
#include "script/event_start.h"
#include "ui/fairy_orb.h"
#include "ui/help_mode.h"

namespace qm {
namespace {

// Where players find the game and its makers.
constexpr const char* kCredit = "制作：Quillmere 制作チーム";
constexpr const char* kAddress = "https://quillmere.example.org/";

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
     [](Game& game) { ShowOrbHint(game, 0); }},
    {"妖精球にヒントを頼みます。\r\n感情は、今の妖精達の貴方への好感度を、表示します",
     [](Game& game) { ShowOrbHint(game, 1); }},
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
    game.Message("Quillmere Ver" + game.state.VersionText + "\r\n" + kCredit + "\r\n" + kAddress);
}

void menu_help_Click(Game& game, int) { StartEvent(game, "help"); }

}  // namespace qm
