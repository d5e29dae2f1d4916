#include "colour/fairy_encounter.h"

#include <algorithm>
#include <limits>
#include <string>

#include "colour/colour_workshop.h"
#include "game/game.h"
#include "script/event_start.h"

namespace qm {
namespace {

constexpr int kThreshold = 150;

// Per fairy, whether red, green and blue must be high (true) or low.
constexpr std::array<std::array<bool, 3>, 8> kRegions = {{
    {true, true, true},     // 0 白
    {false, true, false},   // 1 緑
    {true, false, false},   // 2 赤
    {false, false, true},   // 3 青
    {true, true, false},    // 4 黄
    {true, false, true},    // 5 桃
    {false, true, true},    // 6 水
    {false, false, false},  // 7 黒
}};

constexpr int kSoloEvents = 5;

const char* const kNoMeeting =
    "誰にも会わなかったよ・・・\r\n三色・・違ワナイと会エナイ・・・\r\n綺ノ色が近すぎるト会エナイ・・・";
const char* const kTooDark =
    "誰にも会わなかったよ・・・\r\n綺ノ色が近すぎるト会エナイ・・・\r\n三色・・違ワナイと会エナイ・・・\r\n"
    "綺ノ色ガ暗イトまだ会エナイ・・・";

bool InRegion(int value, bool high) { return high ? value >= kThreshold : value <= kThreshold; }

void FailOuting(Game& game, const char* message) {
    game.Message(message);
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
                FailOuting(game, kTooDark);
                return false;
            }
            blackFairyMet = true;
        }
        if (fairy < 0) {
            FailOuting(game, kNoMeeting);
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

int FairyOfColour(int red, int green, int blue, bool blackFairyTaken) {
    for (int fairy = 0; fairy < static_cast<int>(kRegions.size()); ++fairy) {
        if (fairy == kBlackFairy && blackFairyTaken) continue;
        const auto& high = kRegions[fairy];
        if (InRegion(red, high[0]) && InRegion(green, high[1]) && InRegion(blue, high[2])) return fairy;
    }
    return -1;
}

bool BlackFairyWilling(const std::array<std::int16_t, 8>& affection) {
    for (int fairy = 0; fairy < kBlackFairy; ++fairy)
        if (affection[fairy] < (fairy == 2 ? 3 : 1)) return false;
    return true;
}

void GoOut(Game& game) {
    if (!MeetFairies(game)) return;
    const auto& met = game.state.MetFairy;
    if (met[0] != met[1] && met[1] != met[2] && met[0] != met[2]) return GroupEvent(game);
    if (met[0] == met[1] && met[1] == met[2] && game.state.SoloCount[met[0]] < kSoloEvents)
        return SoloEvent(game, met[0]);
    FailOuting(game, kNoMeeting);
}

}  // namespace qm
