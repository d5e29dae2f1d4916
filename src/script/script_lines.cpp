#include "script/script_lines.h"

namespace qm {
namespace {

constexpr std::size_t kTagLength = 4;

bool StartsWithAny(std::string_view line, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes)
        if (line.starts_with(prefix)) return true;
    return false;
}

// Bytes in the UTF-8 character that starts with `lead`.
std::size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

bool IsPauseLine(std::string_view line) {
    return line.empty() || StartsWithAny(line, {">game", ">end", ">rek", ">ive", kEndOfScript});
}

bool TimerWaitsOn(std::string_view line) {
    return line.empty() || StartsWithAny(line, {">game", ">end", ">rek", kEndOfScript});
}

std::string ArgumentOf(std::string_view line) {
    if (line.size() <= kTagLength) return {};
    const std::size_t start = kTagLength + CharacterLength(static_cast<unsigned char>(line[kTagLength]));
    return start < line.size() ? std::string(line.substr(start)) : std::string();
}

}  // namespace qm
