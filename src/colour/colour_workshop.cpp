#include "colour/colour_workshop.h"

#include "core/game.h"
#include "ui/events.h"

namespace qm {
namespace {

bool IsFixed(const Form& form, int slot) { return form.ColorChk[slot].value == 1; }

}  // namespace

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
