#pragma once
// A picture's size from the header of its PNG file, read without decoding
// the picture: enough for the test driver and the content checker.

#include <optional>
#include <string>

#include "core/ports.h"

namespace qm {

// Nothing when the file cannot be read or does not start like a PNG file.
std::optional<PictureSize> PngSizeOf(const std::string& path);

}  // namespace qm
