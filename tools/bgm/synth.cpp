#include "synth.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace qm::bgm {

namespace {

constexpr double kPeak = 0.7;
constexpr double kVibratoHz = 5;

// Lower notes ring longer, as strings do.
double DecaySeconds(const Timbre& timbre, double frequency) {
    return timbre.decaySeconds * std::sqrt(262.0 / frequency);
}

// Rises from 0 to 1 along half a cosine, so neither end has a corner.
double SmoothStep(double x) {
    if (x >= 1) return 1;
    return x <= 0 ? 0 : 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

// One partial as it sounds: a point turning on the unit circle, read as
// its sine, and its fading; each steps on by a multiplication per sample.
struct Oscillator {
    double radians;  // its turn per sample, at the note's own pitch
    double amplitude;
    std::complex<double> turn = 1, step;
    double fading = 1, fadeStep;
};

// Samples between two settings of a vibrato's pitch: 1.5 ms, far quicker
// than the wavering itself.
constexpr size_t kVibratoStride = 32;

void AddTone(std::vector<double>& mix, const Timbre& timbre, double frequency, double gain, size_t first, size_t length,
             int sampleRate) {
    const double decay = DecaySeconds(timbre, frequency);
    const double duration = double(length) / sampleRate;
    std::vector<Oscillator> partials;
    for (const Partial& p : timbre.partials) {
        // A partial above what the sample rate can hold would fold back as
        // a wrong, lower note.
        if (frequency * p.multiple >= 0.45 * sampleRate) continue;
        const double radians = 2 * std::numbers::pi * frequency * p.multiple / sampleRate;
        partials.push_back({radians, p.amplitude, 1, std::polar(1.0, radians), 1,
                            decay > 0 ? std::exp(-p.fade / (decay * sampleRate)) : 1});
    }
    for (size_t i = 0; i < length && first + i < mix.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double envelope =
            SmoothStep(t / timbre.attackSeconds) * SmoothStep((duration - t) / timbre.releaseSeconds);
        // A vibrato bends the pitch up and down a little, five times a second.
        if (timbre.vibrato > 0 && i % kVibratoStride == 0) {
            const double bend = 1 + timbre.vibrato * std::cos(2 * std::numbers::pi * kVibratoHz * t);
            for (Oscillator& o : partials) o.step = std::polar(1.0, o.radians * bend);
        }
        double sample = 0;
        for (Oscillator& o : partials) {
            sample += o.amplitude * o.fading * o.turn.imag();
            o.turn *= o.step;
            o.fading *= o.fadeStep;
        }
        mix[first + i] += gain * envelope * sample;
    }
}

}  // namespace

std::vector<std::int16_t> Render(const Score& score, int sampleRate) {
    const auto at = [&](double beat) { return size_t(std::llround(score.Seconds(beat) * sampleRate)); };
    std::vector<double> mix(at(score.beats), 0.0);
    for (const Voice& voice : score.voices) {
        const Timbre& timbre = *FindTimbre(voice.tone);
        for (const Note& note : voice.notes)
            for (double frequency : note.frequencies)
                AddTone(mix, timbre, frequency, voice.gain * note.level, at(note.start),
                        at(note.start + note.beats + voice.ring) - at(note.start), sampleRate);
    }

    double loudest = 0;
    for (double s : mix) loudest = std::max(loudest, std::abs(s));
    const double scale = loudest > 0 ? kPeak * 32767 / loudest : 0;
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [scale](double s) { return std::int16_t(std::lround(s * scale)); });
    return samples;
}

}  // namespace qm::bgm
