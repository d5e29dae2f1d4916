#include "world/chronicle.h"

#include <string_view>

#include "core/game.h"
#include "pictures/picture_display.h"
#include "script/event_runner.h"
#include "world/chronicle_tables.h"

namespace qm {
namespace {

constexpr const char* kNewLine = "\r\n";

bool RivalryDrawWins(RandomSource& random) { return random.Draw(100) >= 70; }
bool EventDrawWins(RandomSource& random) { return random.Draw(100) <= 30; }

// One pass over the sentence, so a name is never read as a placeholder.
std::string Expand(std::string_view sentence, const std::string& name, const std::string& previous) {
    std::string text;
    for (std::size_t at = 0; at < sentence.size();) {
        if (sentence.substr(at, 3) == "{N}" || sentence.substr(at, 3) == "{P}") {
            text += sentence[at + 1] == 'N' ? name : previous;
            at += 3;
        } else {
            text += sentence[at++];
        }
    }
    return text;
}

class Chronicle {
public:
    Chronicle(const std::vector<WorldPart>& parts, RandomSource& random) : parts_(parts), random_(random) {}

    std::string Compose() {
        text_ = "はじめに・・・" + parts_[0].name + "があった・・・";
        std::array<int, kEmotions> tally{};
        for (current_ = 1; current_ < parts_.size(); ++current_) {
            text_ += kNewLine;
            const int dominant = DominantEmotion(Part().counts);
            ++tally[dominant];
            TellPart(dominant, LeastEmotion(Part().counts));
        }
        text_ += std::string(kNewLine) + kNewLine + kNewLine;
        text_ += chronicle::kClosing[DominantEmotion(tally)];
        text_ += std::string(kNewLine) + kNewLine + "そして星がどうなったのかは・・・誰も知らない。";
        return text_;
    }

private:
    const WorldPart& Part() const { return parts_[current_]; }
    const WorldPart& Previous() const { return parts_[current_ - 1]; }

    void Append(std::string_view sentence) { text_ += kNewLine + Expand(sentence, Part().name, Previous().name); }

    // A race outside the three tells nothing of the part.
    void TellPart(int dominant, int least) {
        if (Part().race < 0 || Part().race >= kRaces) return;
        Append(chronicle::kBirth[Part().race]);
        if (Part().race == 0) TellCreature(dominant, least);
        if (Part().race == 1) TellWithEvents(chronicle::kPlantNature[dominant], chronicle::kPlantEvents);
        if (Part().race == 2) TellWithEvents(chronicle::kMineralNature[dominant], chronicle::kMineralEvents);
    }

    void TellCreature(int dominant, int least) {
        const int previousRace = Previous().race;
        if (Previous().counts[dominant] <= Part().counts[dominant] && previousRace >= 0 && previousRace < kRaces)
            Append(chronicle::kRelation[previousRace][dominant]);
        if (RivalryDrawWins(random_) && Previous().counts[least] >= Part().counts[least])
            Append(chronicle::kRivalry[least]);
        Append(chronicle::kTrait[dominant]);
    }

    template <std::size_t kCount>
    void TellWithEvents(std::string_view nature, const std::array<std::string_view, kCount>& events) {
        Append(nature);
        for (std::string_view event : events)
            if (EventDrawWins(random_)) Append(event);
    }

    const std::vector<WorldPart>& parts_;
    RandomSource& random_;
    std::size_t current_ = 0;
    std::string text_;
};

}  // namespace

int DominantEmotion(const std::array<int, kEmotions>& counts) {
    int emotion = 0;
    for (int e = 1; e < kEmotions; ++e)
        if (counts[emotion] <= counts[e]) emotion = e;
    return emotion;
}

int LeastEmotion(const std::array<int, kEmotions>& counts) {
    int emotion = 0;
    for (int e = 1; e < kEmotions; ++e)
        if (counts[emotion] >= counts[e]) emotion = e;
    return emotion;
}

std::string ComposeChronicle(const std::vector<WorldPart>& parts, RandomSource& random) {
    if (parts.empty())
        return "その星には、何もなかった。\r\n笑いも、涙も、命も無かった・・・\r\n冷めて、ただ、くるくる回っていた・・";
    return Chronicle(parts, random).Compose();
}

void WriteChronicle(Game& game) {
    GameState& s = game.state;
    Form& form = game.form;
    s.Help.On = false;
    s.Shown.Photo = false;
    SetSpeechBox(game, "", "", false);
    s.Shown.Workshop = s.Shown.Dish = s.Shown.Commands = s.Shown.Viewer = false;
    s.Chronicle = ComposeChronicle(s.World, game.random);
    ShowScene(game, "par");
    form.PicKao.visible = false;
    s.Shown.Ending = true;
}

// The chronicle of a large world is long: it is copied only when it changed.
void ShowChronicle(const GameState& state, Form& form) {
    if (form.TxtEnd.caption != state.Chronicle) form.TxtEnd.caption = state.Chronicle;
}

}  // namespace qm
