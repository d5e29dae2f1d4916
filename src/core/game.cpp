#include "core/game.h"

#include "colour/colour_workshop.h"
#include "core/panels.h"
#include "core/title_screen.h"
#include "pictures/picture_viewer.h"
#include "script/ending.h"
#include "script/speech.h"
#include "ui/help_mode.h"
#include "world/chronicle.h"
#include "world/mixing_dish.h"

namespace qm {

void Game::Project() {
    ShowTitleScreen(state, form);
    ShowPanels(state, form);
    ShowHelp(state, form);
    ShowPoints(state, form);
    ShowChronicle(state, form);
    ShowSpeech(state, form);
    ShowWorkshop(state, form);
    ShowEmotionLists(state, form);
    ShowRegister(state, form);
}

}  // namespace qm
