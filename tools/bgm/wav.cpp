#include "wav.h"

namespace qm::bgm {

namespace {

// WAV numbers are little-endian whatever the machine.
void Put(std::ostream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(char((value >> (8 * i)) & 0xff));
}

}  // namespace

void WriteWav(std::ostream& out, const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr int kChannels = 1, kBytesPerSample = 2;
    const auto dataBytes = std::uint32_t(samples.size() * kBytesPerSample);
    out << "RIFF";
    Put(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    Put(out, 16, 4);  // size of the format chunk
    Put(out, 1, 2);   // PCM
    Put(out, kChannels, 2);
    Put(out, sampleRate, 4);
    Put(out, sampleRate * kChannels * kBytesPerSample, 4);
    Put(out, kChannels * kBytesPerSample, 2);
    Put(out, 8 * kBytesPerSample, 2);
    out << "data";
    Put(out, dataBytes, 4);
    for (std::int16_t s : samples) Put(out, std::uint16_t(s), 2);
}

}  // namespace qm::bgm
