#include "game/events.h"

#include "game/game.h"

namespace qm {
namespace {

void RaiseClick(Game& game, Control& control) {
    if (control.on.click) control.on.click(game, control.index);
}

void SelectOption(Form& form, Control& option) {
    for (Control* sibling : form.All())
        if (sibling->kind == Kind::Option && sibling->container == option.container) sibling->value = 0;
    option.value = 1;
}

// How a control of each kind takes a click and a new value: the one place
// that a new kind of control adds its own.
struct KindRules {
    // The player's click, before the game's handlers see it.
    void (*click)(Game&, Control&);
    // A value that differs from the control's own.
    void (*take)(Game&, Control&, int value);
};

void TakePlainValue(Game& game, Control& control, int value) {
    control.value = value;
    RaiseClick(game, control);
}

const KindRules kPlain = {
    .click = RaiseClick,
    .take = TakePlainValue,
};

const KindRules kScrollBar = {
    .click = RaiseClick,
    .take =
        [](Game& game, Control& bar, int value) {
            bar.value = value;
            if (bar.on.change) bar.on.change(game, bar.index);
        },
};

// A click flips the check mark, which raises the click.
const KindRules kCheckBox = {
    .click = [](Game& game, Control& box) { TakePlainValue(game, box, box.value == 1 ? 0 : 1); },
    .take = TakePlainValue,
};

// Selecting one option clears its siblings and raises its click, even when
// it was selected already; clearing it raises nothing.
void TakeOption(Game& game, Control& option, int value) {
    if (value == 0) {
        option.value = 0;
        return;
    }
    SelectOption(game.form, option);
    RaiseClick(game, option);
}

const KindRules kOption = {
    .click = [](Game& game, Control& option) { TakeOption(game, option, 1); },
    .take = TakeOption,
};

const KindRules& RulesOf(Kind kind) {
    switch (kind) {
        case Kind::ScrollBar:
            return kScrollBar;
        case Kind::CheckBox:
            return kCheckBox;
        case Kind::Option:
            return kOption;
        default:
            return kPlain;
    }
}

void ChangeValue(Game& game, Control& control, int value) {
    if (control.value != value) RulesOf(control.kind).take(game, control, value);
}

}  // namespace

void Click(Game& game, Control& control) {
    RulesOf(control.kind).click(game, control);
    game.Project();
}

void SetValue(Game& game, Control& control, int value) {
    ChangeValue(game, control, value);
    game.Project();
}

void Scroll(Game& game, Control& control, int value) {
    if (control.on.scroll) control.on.scroll(game, control.index);
    ChangeValue(game, control, value);
    game.Project();
}

void SelectRow(Game& game, Control& list, int row) {
    list.listIndex = row;
    if (row >= 0) RaiseClick(game, list);
    game.Project();
}

void MouseUp(Game& game, Control& control, int button) {
    if (control.on.mouseUp) control.on.mouseUp(game, control.index, button);
    game.Project();
}

void Tick(Game& game, Control& timer) {
    if (!timer.enabled) return;
    if (timer.on.timer) timer.on.timer(game);
    game.Project();
}

}  // namespace qm
