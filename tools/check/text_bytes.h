#pragma once
// The bytes of a text file, which the game reads without complaint even
// when they are wrong: it shows what is not CP932 as marks and keeps a
// stray CR or LF inside its lines.

#include <string>
#include <string_view>

#include "report.h"

namespace qm::check {

// Reports every line with bytes that are not CP932, and the first of the
// lines that end in something else than CR LF. A last line without any
// line break reads the same and passes.
void CheckTextBytes(const std::string& file, std::string_view bytes, Report& report);

}  // namespace qm::check
