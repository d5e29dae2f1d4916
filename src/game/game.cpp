#include "game/game.h"

#include "colour/colour_workshop.h"
#include "commands/command_panel.h"
#include "commands/help_mode.h"
#include "game/panels.h"
#include "game/save_slot.h"
#include "game/title_screen.h"
#include "pictures/album.h"
#include "pictures/picture_viewer.h"
#include "script/ending.h"
#include "script/event_start.h"
#include "script/speech.h"
#include "sound/music.h"
#include "world/chronicle.h"
#include "world/mixing_dish.h"

namespace qm {

Game::Game(Ports ports, std::string programFolder) : ports(ports), programFolder(std::move(programFolder)) {
    InstallTitleScreen(form);
    InstallSaveSlot(form);
    InstallCommandPanel(form);
    InstallHelpMode(form);
    InstallWorkshop(form);
    InstallDish(form);
    InstallViewer(form);
    InstallAlbum(form);
    InstallSpeech(form);
    InstallEnding(form);
    InstallMusic(form);
}

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
