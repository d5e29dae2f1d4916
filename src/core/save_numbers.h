#pragma once
// Numbers in the save files, one a line: a blank before a number that is
// not negative and one after it (" 0 ", "-3 "). Reading skips blanks, takes
// the number at the start of the line (a line without one reads 0) and
// rounds a fraction to the nearest whole number, halves to even.

#include <optional>
#include <string>
#include <string_view>

namespace qm {

std::string SaveNumber(int value);

// The number a save line holds, or nothing when it lies outside
// [lowest, highest].
std::optional<int> ReadSaveNumber(std::string_view line, int lowest, int highest);

}  // namespace qm
