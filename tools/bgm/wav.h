#pragma once
// 16-bit PCM WAV files, mono.

#include <cstdint>
#include <ostream>
#include <vector>

namespace qm::bgm {

void WriteWav(std::ostream& out, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace qm::bgm
