#include "tone_wave.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string_view>

namespace qm::testing {
namespace {

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

void WriteToneWave(const std::filesystem::path& path, double seconds) {
    const auto samples = static_cast<std::uint32_t>(std::lround(seconds * kToneRate));
    const std::uint32_t dataBytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    Put(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);  // plain PCM
    Put(out, 1, 2);  // mono
    Put(out, kToneRate, 4);
    Put(out, kToneRate * 2, 4);
    Put(out, 2, 2);
    Put(out, 16, 2);
    out << "data";
    Put(out, dataBytes, 4);
    // 440 Hz at 30% of full scale: loud enough to tell from silence sample by
    // sample, everywhere but at its zero crossings.
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = 0.3 * 32767 * std::sin(2 * std::numbers::pi * 440 * i / kToneRate);
        Put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))), 2);
    }
}

}  // namespace qm::testing
