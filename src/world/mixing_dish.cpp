#include "world/mixing_dish.h"

#include <array>
#include <string_view>
#include <tuple>

#include "commands/help_mode.h"
#include "game/game.h"
#include "game/messages.h"
#include "rules/names.h"
#include "script/ending.h"
#include "ui/form.h"

namespace qm {
namespace {

void PutIntoDish(Game& game) {
    GameState& s = game.state;
    if (HelpModeOn(game))
        ShowHelpText(game,
                     "「混ぜ皿」に、上の綺のリストから、綺を追加します。\r\n"
                     "追加された綺は、混ぜ皿で混ぜられて、世界の一部になります。");
    if (SpendPoints(game, 5)) return;
    // The row the player chose; a blank row from a damaged save is no item.
    Control& list = game.form.LstKan;
    const int chosen = list.listIndex;
    if (chosen < 0 || chosen >= static_cast<int>(s.Items.size()) || s.Items[chosen].row.empty()) {
        game.Message(ChooseAnItemMessage());
        return;
    }
    s.Dish.Edit().push_back(s.Items[chosen]);
    s.Items.Edit().erase(s.Items.begin() + chosen);
    // As a list box does when its chosen row goes: nothing stays chosen.
    list.listIndex = -1;
}

void CreateWorldPart(Game& game) {
    GameState& s = game.state;
    if (HelpModeOn(game)) ShowHelpText(game, "「混ぜ皿」にある綺から、世界の一部を作ります。");
    if (SpendPoints(game, 10)) return;
    if (s.Dish.empty()) {
        game.Message(NothingToMixMessage());
        return;
    }
    WorldPart part;
    for (const EmotionItem& item : s.Dish)
        if (item.emotion >= 0 && item.emotion < kEmotions) ++part.counts[item.emotion];
    const int length = game.random.Draw(2) + 3;
    part.name = MakeName(game.random, length);
    part.race = s.SelectedRace;
    s.World.Edit().push_back(std::move(part));
    s.Dish.Edit().clear();
    game.form.LstItem.listIndex = -1;
}

}  // namespace

void KanComSet_Click(Game& game, int index) { index == 0 ? PutIntoDish(game) : CreateWorldPart(game); }

void OptKan_Click(Game& game, int index) {
    if (HelpModeOn(game)) ShowHelpText(game, "混ぜ皿から、世界の一部を作るときのその種族を決めます。");
    // The option button has selected itself already.
    game.state.SelectedRace = static_cast<std::uint8_t>(index);
}

void ReplaceEmotionLists(Game& game, std::vector<EmotionItem> items, std::vector<EmotionItem> dish,
                         std::vector<WorldPart> world) {
    GameState& s = game.state;
    s.Items = std::move(items);
    s.Dish = std::move(dish);
    s.World = std::move(world);
    Form& form = game.form;
    form.LstKan.listIndex = -1;
    form.LstItem.listIndex = -1;
    for (Control& column : form.LstWorldItem) column.listIndex = -1;
}

// Each list is drawn again only when its part of the state has changed
// since it was last drawn: the world may hold tens of thousands of parts.
void ShowEmotionLists(const GameState& state, Form& form) {
    const auto show = [](const Revised<std::vector<EmotionItem>>& items, Control& list) {
        if (list.listRevision == items.LastChange()) return;
        std::vector<std::string> rows;
        rows.reserve(items.size());
        for (const EmotionItem& item : items) rows.push_back(item.row);
        list.SetList(std::move(rows), items.LastChange());
    };
    show(state.Items, form.LstKan);
    show(state.Dish, form.LstItem);
    if (form.LstWorldItem[0].listRevision == state.World.LastChange()) return;
    std::array<std::vector<std::string>, std::tuple_size_v<WorldColumns>> columns;
    for (auto& column : columns) column.reserve(state.World.size());
    for (const WorldPart& part : state.World) {
        const WorldColumns shown = ColumnsOf(part);
        for (std::size_t i = 0; i < shown.size(); ++i) columns[i].push_back(shown[i]);
    }
    for (std::size_t i = 0; i < columns.size(); ++i)
        form.LstWorldItem[i].SetList(std::move(columns[i]), state.World.LastChange());
}

void InstallDish(Form& form) {
    for (Control& button : form.KanComSet) button.on.click = KanComSet_Click;
    for (Control& option : form.OptKan) option.on.click = OptKan_Click;
}

}  // namespace qm
