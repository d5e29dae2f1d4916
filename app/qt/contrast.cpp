#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace qm::qt {
namespace {

constexpr int kSteps = 40;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
    return 0.2126 * Linear(c & 0xFF) + 0.7152 * Linear((c >> 8) & 0xFF) + 0.0722 * Linear((c >> 16) & 0xFF);
}

// `t` of the way from `from` to `to`, channel by channel.
Colour Toward(Colour from, Colour to, double t) {
    const auto channel = [&](int shift) {
        const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return static_cast<int>(std::lround(a + (b - a) * t));
    };
    return Rgb(channel(0), channel(8), channel(16));
}

}  // namespace

double ContrastRatio(Colour a, Colour b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourPair WithContrast(ColourPair pair, double ratio, bool foreFixed) {
    if (ContrastRatio(pair.back, pair.fore) >= ratio) return pair;
    const bool backDarker = Luminance(pair.back) <= Luminance(pair.fore);
    for (int step = 1; step <= kSteps; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        ColourPair moved = pair;
        moved.back = Toward(pair.back, backDarker ? kBlack : kWhite, t);
        if (!foreFixed) moved.fore = Toward(pair.fore, backDarker ? kWhite : kBlack, t);
        if (ContrastRatio(moved.back, moved.fore) >= ratio) return moved;
    }
    // A fixed mid-grey text reaches no more than it does against black or white.
    return {backDarker ? kBlack : kWhite, foreFixed ? pair.fore : (backDarker ? kWhite : kBlack)};
}

}  // namespace qm::qt
