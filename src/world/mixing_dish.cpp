#include "world/mixing_dish.h"

#include <string_view>

#include "core/game.h"
#include "script/ending.h"
#include "ui/help_mode.h"
#include "world/world_parts.h"

namespace qm {
namespace {

// Names are drawn from the first 46 letters only: the last, "ー", never
// comes. Every letter takes three bytes in UTF-8.
constexpr std::string_view kNameAlphabet =
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをんー";
constexpr std::size_t kLetterBytes = 3;
constexpr int kDrawnLetters = kNameAlphabet.size() / kLetterBytes - 1;
static_assert(kDrawnLetters == 46);

void PutIntoDish(Game& game) {
    Form& form = game.form;
    if (HelpModeOn(game))
        ShowHelpText(game,
                     "「混ぜ皿」に、上の綺のリストから、綺を追加します。\r\n"
                     "追加された綺は、混ぜ皿で混ぜられて、世界の一部になります。");
    if (SpendPoints(game, 5)) return;
    Control& items = form.LstKan;
    const std::string item = items.ChosenText();
    if (item.empty()) {
        game.Message("綺ノりすとカラ綺ヲえらんで");
        return;
    }
    form.LstItem.list.push_back(item);
    items.list.erase(items.list.begin() + items.listIndex);
    // As a list box does when its chosen row goes: nothing stays chosen.
    items.listIndex = -1;
}

void CreateWorldPart(Game& game) {
    Form& form = game.form;
    if (HelpModeOn(game)) ShowHelpText(game, "「混ぜ皿」にある綺から、世界の一部を作ります。");
    if (SpendPoints(game, 10)) return;
    if (form.LstItem.list.empty()) {
        game.Message("まぜる綺ガないヨ");
        return;
    }
    WorldPart part;
    for (const std::string& item : form.LstItem.list) {
        const int emotion = EmotionOfItem(item);
        if (emotion >= 0 && emotion < kEmotions) ++part.counts[emotion];
    }
    const int length = game.random.Draw(2) + 3;
    part.name = MakeName(game.random, length);
    part.race = game.state.SelectedRace;
    AppendWorldPart(form, part);
    form.LstItem.ClearList();
}

}  // namespace

void KanComSet_Click(Game& game, int index) { index == 0 ? PutIntoDish(game) : CreateWorldPart(game); }

void OptKan_Click(Game& game, int index) {
    if (HelpModeOn(game)) ShowHelpText(game, "混ぜ皿から、世界の一部を作るときのその種族を決めます。");
    // The option button has selected itself already.
    game.state.SelectedRace = static_cast<std::uint8_t>(index);
}

std::string MakeName(RandomSource& random, int length) {
    std::string name;
    for (int i = 0; i < length; ++i)
        name += kNameAlphabet.substr(random.Draw(kDrawnLetters) * kLetterBytes, kLetterBytes);
    return name;
}

}  // namespace qm
