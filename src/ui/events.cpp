#include "ui/events.h"

#include <map>
#include <string_view>

#include "colour/colour_workshop.h"
#include "core/game.h"
#include "core/save_slot.h"
#include "core/title_screen.h"
#include "pictures/album.h"
#include "pictures/picture_viewer.h"
#include "script/ending.h"
#include "script/event_start.h"
#include "sound/music.h"
#include "ui/command_panel.h"
#include "ui/help_mode.h"
#include "world/mixing_dish.h"

namespace qm {
namespace {

struct Handlers {
    void (*click)(Game&, int index) = nullptr;
    void (*change)(Game&, int index) = nullptr;
    void (*scroll)(Game&, int index) = nullptr;
    void (*mouseUp)(Game&, int index, int button) = nullptr;
    void (*timer)(Game&) = nullptr;
};

const Handlers& HandlersOf(const Control& control) {
    static const std::map<std::string_view, Handlers> table = {
        {"BgmTim", {.timer = BgmTim_Timer}},
        {"ColorChk", {.click = ColorChk_Click}},
        {"ColorCom", {.click = ColorCom_Click}},
        {"ColorPic", {.click = ColorPic_Click}},
        {"ColorScl", {.change = ColorScl_Change, .scroll = ColorScl_Scroll}},
        {"Com", {.click = Com_Click}},
        {"ComEnd", {.click = ComEnd_Click}},
        {"ComHelp", {.click = ComHelp_Click}},
        {"ComIvent", {.mouseUp = ComIvent_MouseUp}},
        {"ComLoad", {.click = ComLoad_Click}},
        {"ComStt", {.click = ComStt_Click}},
        {"KanComSet", {.click = KanComSet_Click}},
        {"Lbl", {.click = Lbl_Click}},
        {"LblPC", {.click = LblPC_Click}},
        {"LstIvent", {.click = LstIvent_Click}},
        {"OptHelp", {.click = OptHelp_Click}},
        {"OptKan", {.click = OptKan_Click}},
        {"PicPhoto", {.click = PicPhoto_Click}},
        {"TimSay", {.timer = TimSay_Timer}},
        {"menu_0", {.click = menu_0_Click}},
        {"menu_help", {.click = menu_help_Click}},
        {"menu_salo", {.click = menu_salo_Click}},
        {"menu_ver", {.click = menu_ver_Click}},
    };
    static const Handlers none;
    const auto it = table.find(control.name);
    return it == table.end() ? none : it->second;
}

void RaiseClick(Game& game, const Control& control) {
    if (auto click = HandlersOf(control).click) click(game, control.index);
}

void SelectOption(Form& form, Control& option) {
    for (Control* sibling : form.All())
        if (sibling->kind == Kind::Option && sibling->container == option.container) sibling->value = 0;
    option.value = 1;
}

// A new value for a scroll bar, check box or option button, and the
// handler it raises.
void ChangeValue(Game& game, Control& control, int value) {
    if (control.value == value) return;
    switch (control.kind) {
        case Kind::ScrollBar:
            control.value = value;
            if (auto change = HandlersOf(control).change) change(game, control.index);
            return;
        case Kind::Option:
            if (value == 0) {
                control.value = 0;
                return;
            }
            SelectOption(game.form, control);
            break;
        default:
            control.value = value;
            break;
    }
    RaiseClick(game, control);
}

}  // namespace

void Click(Game& game, Control& control) {
    switch (control.kind) {
        case Kind::CheckBox:
            ChangeValue(game, control, control.value == 1 ? 0 : 1);
            break;
        case Kind::Option:
            SelectOption(game.form, control);
            RaiseClick(game, control);
            break;
        default:
            RaiseClick(game, control);
            break;
    }
    game.Project();
}

void SetValue(Game& game, Control& control, int value) {
    ChangeValue(game, control, value);
    game.Project();
}

void Scroll(Game& game, Control& control, int value) {
    if (auto scroll = HandlersOf(control).scroll) scroll(game, control.index);
    ChangeValue(game, control, value);
    game.Project();
}

void SelectRow(Game& game, Control& list, int row) {
    list.listIndex = row;
    if (row >= 0) RaiseClick(game, list);
    game.Project();
}

void MouseUp(Game& game, Control& control, int button) {
    if (auto mouseUp = HandlersOf(control).mouseUp) mouseUp(game, control.index, button);
    game.Project();
}

void Tick(Game& game, Control& timer) {
    if (!timer.enabled) return;
    if (auto tick = HandlersOf(timer).timer) tick(game);
    game.Project();
}

}  // namespace qm
