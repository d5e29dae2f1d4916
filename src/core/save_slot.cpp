#include "core/save_slot.h"

#include <algorithm>

#include "colour/colour_workshop.h"
#include "core/file_set.h"
#include "core/game.h"
#include "core/save_contents.h"
#include "core/title_screen.h"
#include "core/write_folder.h"
#include "pictures/picture_display.h"
#include "script/ending.h"
#include "script/event_runner.h"
#include "ui/events.h"
#include "ui/layout.h"
#include "world/mixing_dish.h"

namespace qm {
namespace {

void RestoreColourSlots(Game& game, const SavedGame& saved) {
    Form& form = game.form;
    GameState& s = game.state;
    for (int slot = 0; slot < 3; ++slot) {
        s.SlotColour[slot] = saved.slotColour[slot];
        const auto channel = [&](int k) { return std::clamp<int>(s.SlotColour[slot][k], 0, 255); };
        s.Colours.SlotShown[slot] = Rgb(channel(0), channel(1), channel(2));
        SetValue(game, form.ColorScl[slot], 1);
        SetValue(game, form.ColorChk[slot], 0);
    }
    s.Colours.Preview = kWindowColour;
    s.SelectedSlot = saved.selectedSlot;
    SelectSlot(game, s.SelectedSlot);
}

// The screen of a game in play, with no event running and help mode off.
void ShowPlayingScreen(Game& game) {
    CheckPictureFolders(game);
    ShowScene(game, "game");
    ShowPlayingPanels(game);
    EndEvent(game);
}

void Apply(Game& game, const SavedGame& saved) {
    GameState& s = game.state;
    s.Affection = saved.affection;
    s.PointsUsed = saved.pointsUsed;
    // Checked against the game length still in force, as it always was.
    SpendPoints(game, 0);
    s.PointLimit = saved.pointLimit;
    RestoreColourSlots(game, saved);
    // A save without the solo counts keeps the ones of this run.
    std::copy_n(saved.soloCount.begin(), saved.soloCountsRead, s.SoloCount.begin());
    ReplaceEmotionLists(game, saved.items, saved.dish, saved.world);
    ShowPlayingScreen(game);
}

}  // namespace

void SaveGame(Game& game) {
    // A number of its own: an event may be running on the game's.
    const int number = game.files.FreeFile();
    const auto failed = ReplaceFileSet(game.files, number, game.state.SysFolder, SaveFilesOf(game.state));
    if (failed) {
        const char* after =
            failed->oldSetKept ? "前のセーブはそのまま残っています。" : "このセーブは次のロードで読み込まれます。";
        game.Message("セーブできませんでした。\r\n" + failed->path + "\r\n" + after);
        return;
    }
    game.Message("SAVE　OK");
}

void LoadGame(Game& game) {
    GameState& s = game.state;
    if (const auto stuck = SettleFileSet(game.files.System(), s.SysFolder, SaveFileNames())) {
        game.Message("ロードできませんでした。\r\n" + *stuck + "\r\n書きかけのセーブを仕上げられませんでした。");
        return;
    }
    const std::string folder = SysFolderHolding(s, "all.dat");
    const auto saved = ReadSavedGame(game.files, game.files.FreeFile(), folder);
    if (const auto* problem = std::get_if<LoadProblem>(&saved)) {
        game.Message("ロードできませんでした。\r\n" + problem->where + "\r\n" + problem->what);
        return;
    }
    Apply(game, std::get<SavedGame>(saved));
    game.Message("Load　OK");
}

void menu_salo_Click(Game& game, int index) {
    if (index == 0) SaveGame(game);
    if (index == 1) LoadGame(game);
}

void ComLoad_Click(Game& game, int) { LoadGame(game); }

}  // namespace qm
