#include "colour/colour_workshop.h"

#include "colour/fairy_encounter.h"
#include "core/game.h"
#include "script/ending.h"
#include "ui/events.h"
#include "ui/help_mode.h"

namespace qm {
namespace {

bool IsFixed(const Form& form, int slot) { return form.ColorChk[slot].value == 1; }

void Register(Game& game) {
    Form& form = game.form;
    GameState& s = game.state;
    const int slot = s.SelectedSlot - 1;
    if (slot >= 0 && slot < 3 && !IsFixed(form, slot)) {
        for (int channel = 0; channel < 3; ++channel)
            s.SlotColour[slot][channel] = static_cast<std::int16_t>(form.ColorScl[channel].value);
        // The slot shows the preview, which after a clear is the window
        // colour though the bars stand at 1.
        form.ColorPicSet[slot].backColor = form.ColorPic.backColor;
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

void ColorChk_Click(Game& game, int) {
    if (HelpModeOn(game))
        ShowHelpText(game, "下の理性綺（色）を固定します。\r\n固定された色は、何があっても変わることはありません");
}

void ColorCom_Click(Game& game, int index) {
    const Button& button = kButtons[index];
    game.form.TimSay.enabled = false;
    if (HelpModeOn(game)) ShowHelpText(game, button.help);
    if (SpendPoints(game, button.cost)) return;
    button.action(game);
}

void ColorScl_Change(Game& game, int) {
    auto& bars = game.form.ColorScl;
    game.form.ColorPic.backColor = Rgb(bars[0].value, bars[1].value, bars[2].value);
}

void ClearColours(Game& game) {
    Form& form = game.form;
    for (int slot = 0; slot < 3; ++slot) {
        if (!IsFixed(form, slot)) {
            game.state.SlotColour[slot] = {0, 0, 0};
            form.ColorPicSet[slot].backColor = form.Frm.backColor;
        }
        SetValue(game, form.ColorScl[slot], 1);
    }
    form.ColorPic.backColor = form.Frm.backColor;
    SelectSlot(game, 1);
}

void SelectSlot(Game& game, int n) {
    Form& form = game.form;
    for (Control& slot : form.ColorPicSet) slot.borderStyle = 0;
    if (IsFixed(form, 0) && IsFixed(form, 1) && IsFixed(form, 2)) return;
    // At least one slot is free, so this walk ends.
    while (IsFixed(form, n - 1)) n = n % 3 + 1;
    game.state.SelectedSlot = static_cast<std::uint8_t>(n);
    form.ColorPicSet[n - 1].borderStyle = 1;
}

}  // namespace qm
