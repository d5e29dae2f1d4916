#pragma once
// Figures the music tests judge a sound by: how loud each second is, and
// how much of its energy lies above a frequency.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace qm::bgm::testing {

// RMS of every whole second, in dBFS (-200 for silence).
inline std::vector<double> SecondLevels(const std::vector<std::int16_t>& samples, int rate) {
    std::vector<double> levels;
    for (size_t first = 0; first + rate <= samples.size(); first += rate) {
        double sum = 0;
        for (size_t i = first; i < first + rate; ++i) sum += double(samples[i]) * samples[i];
        const double rms = std::sqrt(sum / rate) / 32768;
        levels.push_back(rms > 0 ? 20 * std::log10(rms) : -200);
    }
    return levels;
}

// The share of the energy that passes a fourth-order Butterworth high-pass
// at hz: two biquad sections, as the audio cookbook writes them.
inline double ShareAbove(const std::vector<std::int16_t>& samples, int rate, double hz) {
    std::vector<double> signal(samples.begin(), samples.end());
    double before = 0;
    for (double s : signal) before += s * s;
    for (const double q : {0.5412, 1.3066}) {
        const double w = 2 * std::numbers::pi * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        const double a0 = 1 + alpha, b0 = (1 + c) / 2 / a0, b1 = -(1 + c) / a0, b2 = b0;
        const double a1 = -2 * c / a0, a2 = (1 - alpha) / a0;
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double& s : signal) {
            const double y = b0 * s + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1, x1 = s, y2 = y1, y1 = y;
            s = y;
        }
    }
    double after = 0;
    for (double s : signal) after += s * s;
    return before > 0 ? after / before : 0;
}

}  // namespace qm::bgm::testing
