#include "core/png_header.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "core/text_files.h"

namespace qm {
namespace {

std::uint32_t BigEndian(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

std::optional<PictureSize> PngSizeOf(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
    static const unsigned char kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!std::equal(std::begin(kPng), std::end(kPng), header)) return std::nullopt;
    if (std::string(header + 12, header + 16) != "IHDR") return std::nullopt;
    return PictureSize{static_cast<int>(BigEndian(header + 16)), static_cast<int>(BigEndian(header + 20))};
}

}  // namespace qm
