#pragma once
// The whole check of a game folder, as quillmere-check runs it.

#include <filesystem>
#include <ostream>

#include "report.h"

namespace qm::check {

Report CheckGame(const std::filesystem::path& root);

// Prints the report; the exit status: 1 with any problem, 0 without.
int CheckAndPrint(const std::filesystem::path& root, std::ostream& out);

}  // namespace qm::check
