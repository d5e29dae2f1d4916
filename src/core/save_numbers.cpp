#include "core/save_numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace qm {
namespace {

// The line without its blanks, as the game has always read numbers.
std::string WithoutBlanks(std::string_view line) {
    std::string text;
    for (const char c : line)
        if (c != ' ' && c != '\t') text += c;
    return text;
}

// The number at the start of the text: sign, digits, fraction, exponent.
double LeadingValue(const std::string& text) {
    std::size_t start = 0;
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) negative = text[start++] == '-';
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return negative ? -HUGE_VAL : HUGE_VAL;
    if (error != std::errc() || end == text.data() + start) return 0;
    return negative ? -value : value;
}

}  // namespace

std::string SaveNumber(int value) { return (value >= 0 ? " " : "") + std::to_string(value) + " "; }

std::optional<int> ReadSaveNumber(std::string_view line, int lowest, int highest) {
    const double value = std::nearbyint(LeadingValue(WithoutBlanks(line)));  // halves to even
    if (!(value >= lowest && value <= highest)) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace qm
