#include "soak_actions.h"

#include <vector>

#include "game/events.h"
#include "game/game.h"
#include "game/window_size.h"

namespace qm::soak {
namespace {

bool Shown(const Control& control) {
    for (const Control* c = &control; c; c = c->container)
        if (!c->visible) return false;
    return true;
}

// While the title covers the window, only its own controls can be reached.
bool Reachable(const Form& form, const Control& control) {
    if (!Shown(control) || !control.enabled) return false;
    if (!form.PicStt.visible) return true;
    for (const Control* c = &control; c; c = c->container)
        if (c == &form.PicStt) return true;
    return false;
}

bool Playable(Kind kind) {
    switch (kind) {
        case Kind::Button:
        case Kind::CheckBox:
        case Kind::Option:
        case Kind::Label:
        case Kind::Panel:
        case Kind::List:
        case Kind::ScrollBar:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string RandomPlayer::Act(Game& game, bool menuOpen) {
    Form& form = game.form;
    if (menuOpen) {
        Control* items[] = {&form.menu_ver, &form.menu_help, &form.menu_salo[0], &form.menu_salo[1], &form.menu_0};
        Control& item = *items[Below(5)];
        Click(game, item);
        return "menu " + item.Key();
    }
    const int roll = Below(100);
    if (roll < 35) {
        Tick(game, form.TimSay);
        return "tick TimSay";
    }
    if (roll < 50 && Reachable(form, form.Lbl)) {
        Click(game, form.Lbl);
        return "click Lbl";
    }
    if (roll < 52) {
        Tick(game, form.BgmTim);
        return "tick BgmTim";
    }
    if (roll < 53) {
        form.Frm.height = 6000 + Below(6000);
        Form_Resize(game);
        return "resize " + std::to_string(static_cast<int>(form.Frm.height));
    }
    return ActOnControl(game);
}

std::string RandomPlayer::ActOnControl(Game& game) {
    Form& form = game.form;
    // A player in the workshop mixes and registers colours more often than
    // anything else there, so that outings meet three fairies now and then.
    if (Reachable(form, form.GrpColor) && Below(3) == 0) {
        Control& control = Below(3) ? form.ColorScl[Below(3)] : form.ColorCom[0];
        if (control.kind == Kind::Button) {
            Click(game, control);
            return "click " + control.Key();
        }
        const int value = Below(2) ? control.min : control.max;
        SetValue(game, control, value);
        return "set " + control.Key() + " " + std::to_string(value);
    }
    std::vector<Control*> controls;
    for (Control* control : form.All())
        if (Playable(control->kind) && Reachable(form, *control)) controls.push_back(control);
    if (controls.empty()) return "wait";
    Control& control = *controls[Below(static_cast<int>(controls.size()))];
    if (control.kind == Kind::List) {
        if (control.Rows().empty()) return "wait";
        const int row = Below(static_cast<int>(control.Rows().size()));
        SelectRow(game, control, row);
        return "select " + control.Key() + " " + std::to_string(row);
    }
    if (control.kind == Kind::ScrollBar) {
        // Half the time a clear high or low channel, so that colours meet
        // fairies and the events and pictures of play come about.
        const int value =
            Below(2) ? (Below(2) ? control.min : control.max) : control.min + Below(control.max - control.min + 1);
        const bool drag = Below(2) == 0;
        drag ? Scroll(game, control, value) : SetValue(game, control, value);
        return (drag ? "scroll " : "set ") + control.Key() + " " + std::to_string(value);
    }
    if (&control == &form.ComIvent) {
        const int button = 1 + Below(2);
        MouseUp(game, control, button);
        return "mouseup ComIvent " + std::to_string(button);
    }
    Click(game, control);
    return "click " + control.Key();
}

bool MayLowerPoints(const std::string& action) {
    return action == "menu menu_0" || action == "click ComEnd" || action == "menu menu_salo(1)" ||
           action == "click ComLoad";
}

}  // namespace qm::soak
