// sound-check: makes the tone that the real-audio check plays as the game's
// music, and reads back what the sound server heard.
//   sound-check tone FILE SECONDS   writes the tone as a wave file
//   sound-check loop FILE SECONDS   FILE holds raw mono 16-bit samples at the
//       tone's rate, recorded while a piece of SECONDS played and looped;
//       prints how long the piece sounded and the gap before it sounded
//       again, and fails unless it did.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tone_wave.h"

namespace {

using qm::testing::kToneRate;

// Under 1% of full scale is quiet; silence is at least 1 ms of quiet, so the
// tone's own zero crossings are never taken for a gap.
constexpr int kQuiet = 328;
constexpr std::size_t kShortestSilence = kToneRate / 1000;

struct Run {
    bool sound;
    std::size_t start, end;  // samples
    double Ms() const { return (end - start) * 1000.0 / kToneRate; }
};

std::vector<std::int16_t> ReadSamples(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                               (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
    }
    return samples;
}

std::vector<Run> Runs(const std::vector<std::int16_t>& samples) {
    std::vector<Run> runs;
    for (std::size_t i = 0, j = 0; i < samples.size(); i = j) {
        const bool quiet = std::abs(samples[i]) < kQuiet;
        while (j < samples.size() && (std::abs(samples[j]) < kQuiet) == quiet) ++j;
        const bool sound = !quiet || j - i < kShortestSilence;
        if (!runs.empty() && runs.back().sound == sound) {
            runs.back().end = j;
        } else {
            runs.push_back({sound, i, j});
        }
    }
    return runs;
}

int Fail(const char* why) {
    std::fprintf(stderr, "sound-check: %s\n", why);
    return 1;
}

// The first time the piece sounds whole, then the gap and the sound after it.
int CheckLoop(const char* path, double pieceSeconds) {
    const std::vector<Run> runs = Runs(ReadSamples(path));
    const double pieceMs = pieceSeconds * 1000, slackMs = 50;
    std::size_t first = 0;
    while (first < runs.size() && !(runs[first].sound && runs[first].Ms() > pieceMs - slackMs)) ++first;
    if (first == runs.size()) return Fail("the piece never sounded whole");
    const Run& piece = runs[first];
    if (piece.Ms() > 2 * pieceMs - slackMs) {
        std::printf("piece %.0f ms, gap under 1 ms, then sound again\n", pieceMs);
        return 0;
    }
    if (piece.Ms() > pieceMs + slackMs) return Fail("the piece sounded longer than it is");
    if (first + 2 >= runs.size()) return Fail("the piece never sounded again after its end");
    std::printf("piece %.0f ms, gap %.1f ms, then sound again\n", piece.Ms(), runs[first + 1].Ms());
    return runs[first + 1].Ms() < 500 ? 0 : Fail("the gap before the piece sounded again is over 500 ms");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 4 ? argv[1] : "";
    if (mode == "tone") {
        qm::testing::WriteToneWave(argv[2], std::atof(argv[3]));
        return 0;
    }
    if (mode == "loop") return CheckLoop(argv[2], std::atof(argv[3]));
    std::fputs("usage: sound-check tone|loop FILE SECONDS\n", stderr);
    return 2;
}
