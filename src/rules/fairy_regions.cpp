#include "rules/fairy_regions.h"

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

bool InRegion(int value, bool high) { return high ? value >= kThreshold : value <= kThreshold; }

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

}  // namespace qm
