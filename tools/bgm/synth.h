#pragma once
// Turns a score into sound: every note the sine partials of its voice's
// timbre under the timbre's attack and decay, faded out at the end of its
// ringing.

#include <cstdint>
#include <vector>

#include "score.h"
#include "timbre.h"

namespace qm::bgm {

// Samples of the whole piece, mono, at sampleRate, scaled so that the
// loudest is at half of full scale.
std::vector<std::int16_t> Render(const Score& score, int sampleRate);

}  // namespace qm::bgm
