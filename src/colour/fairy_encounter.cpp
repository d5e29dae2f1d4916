#include "colour/fairy_encounter.h"

#include <algorithm>
#include <limits>
#include <string>

#include "colour/colour_workshop.h"
#include "game/game.h"
#include "game/messages.h"
#include "rules/fairy_regions.h"
#include "script/event_start.h"

namespace qm {
namespace {

constexpr int kSoloEvents = 5;

void FailOuting(Game& game, OutingFailure failure) {
    game.Message(Wording(failure));
    ClearColours(game);
}

// Fills MetFairy slot by slot; false when the outing failed on the way.
bool MeetFairies(Game& game) {
    GameState& s = game.state;
    bool blackFairyMet = false;
    for (int slot = 0; slot < 3; ++slot) {
        s.MetFairy[slot] = -1;
        const auto& colour = s.SlotColour[slot];
        const int fairy = FairyOfColour(colour[0], colour[1], colour[2], blackFairyMet);
        if (fairy == kBlackFairy) {
            if (!BlackFairyWilling(s.Affection)) {
                FailOuting(game, OutingFailure::TooDark);
                return false;
            }
            blackFairyMet = true;
        }
        if (fairy < 0) {
            FailOuting(game, OutingFailure::NobodyCame);
            return false;
        }
        s.MetFairy[slot] = static_cast<std::int16_t>(fairy);
    }
    std::sort(s.MetFairy.begin(), s.MetFairy.end());
    return true;
}

void GroupEvent(Game& game) {
    GameState& s = game.state;
    s.EventPicture.clear();
    for (const std::int16_t fairy : s.MetFairy) s.EventPicture += std::to_string(fairy);
    ClearColours(game);
    // A loaded affection may stand at the top of its range already.
    for (const std::int16_t fairy : s.MetFairy)
        if (s.Affection[fairy] < std::numeric_limits<std::int16_t>::max()) ++s.Affection[fairy];
    StartEvent(game, s.EventPicture);
}

void SoloEvent(Game& game, int fairy) {
    GameState& s = game.state;
    ClearColours(game);
    const std::string digit = std::to_string(fairy);
    StartEvent(game, digit + digit + digit + std::to_string(s.SoloCount[fairy]));
    ++s.SoloCount[fairy];
}

}  // namespace

void GoOut(Game& game) {
    if (!MeetFairies(game)) return;
    const auto& met = game.state.MetFairy;
    if (met[0] != met[1] && met[1] != met[2] && met[0] != met[2]) return GroupEvent(game);
    if (met[0] == met[1] && met[1] == met[2] && game.state.SoloCount[met[0]] < kSoloEvents)
        return SoloEvent(game, met[0]);
    FailOuting(game, OutingFailure::NobodyCame);
}

}  // namespace qm
