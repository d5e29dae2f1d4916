#include "rules/points.h"

namespace qm {

std::int16_t PointLimitOf(int modeRow) {
    switch (modeRow) {
        case 0:
            return 300;
        case 2:
            return 700;
        case 3:
            return 1000;
        default:
            return 500;
    }
}

int BestLovedFairy(const std::array<std::int16_t, 8>& affection) {
    int best = 0;
    for (int fairy = 1; fairy < static_cast<int>(affection.size()); ++fairy)
        if (affection[fairy] >= affection[best]) best = fairy;
    return best;
}

}  // namespace qm
