#pragma once
// A wave file of a plain tone, the music the music tests play.

#include <filesystem>

namespace qm::testing {

constexpr int kToneRate = 44100;  // samples a second, mono, 16-bit

void WriteToneWave(const std::filesystem::path& path, double seconds);

}  // namespace qm::testing
