#include "core/panels.h"

#include "core/game_state.h"
#include "ui/form.h"

namespace qm {

void ShowPanels(const GameState& state, Form& form) {
    const Panels& shown = state.Shown;
    form.PicStt.visible = shown.Title;
    form.GrpCom.visible = shown.Commands;
    form.GrpColor.visible = shown.Workshop;
    form.GrpKan.visible = shown.Dish;
    form.PicIvent.visible = shown.Viewer;
    form.PicPhoto.visible = shown.Photo;
    form.TxtEnd.visible = shown.Ending;
    form.ComEnd.visible = shown.Ending;
}

}  // namespace qm
