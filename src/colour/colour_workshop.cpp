#include "colour/colour_workshop.h"

#include "colour/fairy_encounter.h"
#include "core/game.h"
#include "script/ending.h"
#include "ui/events.h"
#include "ui/help_mode.h"
#include "ui/layout.h"

namespace qm {
namespace {

bool IsFixed(const GameState& s, int slot) { return s.Colours.Fixed[slot]; }

void Register(Game& game) {
    GameState& s = game.state;
    const int slot = s.SelectedSlot - 1;
    if (slot >= 0 && slot < 3 && !IsFixed(s, slot)) {
        for (int channel = 0; channel < 3; ++channel)
            s.SlotColour[slot][channel] = static_cast<std::int16_t>(s.Colours.Mix[channel]);
        // The slot shows the preview, which after a clear is the window
        // colour though the bars stand at 1.
        s.Colours.SlotShown[slot] = s.Colours.Preview;
    }
    SelectSlot(game, s.SelectedSlot % 3 + 1);
}

struct Button {
    const char* help;
    std::int16_t cost;
    void (*action)(Game&);
};

const Button kButtons[] = {
    {"選択されている場所に、理性綺（色）を追加します。\r\nその１つ１つの色に、一人一人妖精が集まります。\r\n"
     "色は、必ず３色違う色にしましょう。\r\nその理性綺（色）が固定されている場合は、変化しません。",
     5, Register},
    {"理性綺（色）を全て、無に返します", 1, ClearColours},
    {"現在つけている理性綺（色）で外出します。\r\n１つ１つの色に、それぞれ妖精が寄ってきます。\r\n"
     "妖精によって、寄る色が違います。\r\n妖精球で少し、そのヒントが見れます。",
     10, GoOut},
};

}  // namespace

void ColorScl_Scroll(Game& game, int index) {
    ShowHelpText(game, "下の「現在製作中の理性綺」の色を変化させます。\r\n上から、赤、緑、青を司っています。");
    ColorScl_Change(game, index);
}

void ColorPic_Click(Game& game, int) {
    if (HelpModeOn(game)) ShowHelpText(game, "現在製作中の理性綺です");
}

// The check mark has flipped already.
void ColorChk_Click(Game& game, int index) {
    game.state.Colours.Fixed[index] = game.form.ColorChk[index].value == 1;
    if (HelpModeOn(game))
        ShowHelpText(game, "下の理性綺（色）を固定します。\r\n固定された色は、何があっても変わることはありません");
}

void ColorCom_Click(Game& game, int index) {
    const Button& button = kButtons[index];
    game.state.Speech.TextTimer = false;
    if (HelpModeOn(game)) ShowHelpText(game, button.help);
    if (SpendPoints(game, button.cost)) return;
    button.action(game);
}

// The bars are the player's: the mix is what they show.
void ColorScl_Change(Game& game, int) {
    Workshop& w = game.state.Colours;
    for (int channel = 0; channel < 3; ++channel) w.Mix[channel] = game.form.ColorScl[channel].value;
    w.Preview = Rgb(w.Mix[0], w.Mix[1], w.Mix[2]);
}

void ClearColours(Game& game) {
    GameState& s = game.state;
    for (int slot = 0; slot < 3; ++slot) {
        if (!IsFixed(s, slot)) {
            s.SlotColour[slot] = {0, 0, 0};
            s.Colours.SlotShown[slot] = kWindowColour;
        }
        SetValue(game, game.form.ColorScl[slot], 1);
    }
    s.Colours.Preview = kWindowColour;
    SelectSlot(game, 1);
}

void SelectSlot(Game& game, int n) {
    GameState& s = game.state;
    s.Colours.MarkedSlot = -1;
    if (IsFixed(s, 0) && IsFixed(s, 1) && IsFixed(s, 2)) return;
    // At least one slot is free, so this walk ends.
    while (IsFixed(s, n - 1)) n = n % 3 + 1;
    s.SelectedSlot = static_cast<std::uint8_t>(n);
    s.Colours.MarkedSlot = n - 1;
}

void ShowWorkshop(const GameState& state, Form& form) {
    const Workshop& w = state.Colours;
    form.ColorPic.backColor = w.Preview;
    for (int slot = 0; slot < 3; ++slot) {
        form.ColorPicSet[slot].backColor = w.SlotShown[slot];
        form.ColorPicSet[slot].borderStyle = w.MarkedSlot == slot ? 1 : 0;
    }
}

}  // namespace qm
