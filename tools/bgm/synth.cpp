#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qm::bgm {

namespace {

constexpr double kAttackSeconds = 0.015;
constexpr double kReleaseSeconds = 0.25;
constexpr double kPeak = 0.5;

// A soft struck-string tone: the upper partials are quieter and fade sooner.
struct Partial {
    double multiple, amplitude;
};
constexpr Partial kPartials[] = {{1, 1.0}, {2, 0.28}, {3, 0.09}};

// Lower notes ring longer, as strings do.
double DecaySeconds(double frequency) { return 1.6 * std::sqrt(262.0 / frequency); }

// Rises from 0 to 1 along half a cosine, so neither end has a corner.
double SmoothStep(double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0)); }

void AddTone(std::vector<double>& mix, double frequency, double gain, size_t first, size_t length, int sampleRate) {
    const double decay = DecaySeconds(frequency);
    const double duration = double(length) / sampleRate;
    for (size_t i = 0; i < length && first + i < mix.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double envelope = SmoothStep(t / kAttackSeconds) * SmoothStep((duration - t) / kReleaseSeconds);
        double sample = 0;
        for (const Partial& p : kPartials)
            sample += p.amplitude * std::exp(-t * p.multiple / decay) *
                      std::sin(2 * std::numbers::pi * frequency * p.multiple * t);
        mix[first + i] += gain * envelope * sample;
    }
}

}  // namespace

std::vector<std::int16_t> Render(const Score& score, int sampleRate) {
    const auto at = [&](double beat) { return size_t(std::llround(score.Seconds(beat) * sampleRate)); };
    std::vector<double> mix(at(score.beats), 0.0);
    for (const Voice& voice : score.voices)
        for (const Note& note : voice.notes)
            for (double frequency : note.frequencies)
                AddTone(mix, frequency, voice.gain, at(note.start),
                        at(note.start + note.beats + voice.ring) - at(note.start), sampleRate);

    double loudest = 0;
    for (double s : mix) loudest = std::max(loudest, std::abs(s));
    const double scale = loudest > 0 ? kPeak * 32767 / loudest : 0;
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [scale](double s) { return std::int16_t(std::lround(s * scale)); });
    return samples;
}

}  // namespace qm::bgm
