#include "rules/script_lines.h"

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

struct Tag {
    std::string_view prefix;
    LineKind kind;
};

constexpr Tag kTags[] = {
    {kEndOfScript, LineKind::EndOfScript},
    {"-", LineKind::Speaker},
    {">ff", LineKind::HideFace},
    {">k>", LineKind::Emotion},
    {">ive", LineKind::Chain},
    {">nex", LineKind::PictureNow},
    {">rek", LineKind::Chronicle},
    {">ing", LineKind::EndingBranch},
};

}  // namespace

LineKind KindOf(std::string_view line) {
    for (const Tag& tag : kTags)
        if (line.starts_with(tag.prefix)) return tag.kind;
    if (line.empty()) return LineKind::EmptyLine;
    if (line.starts_with(">img")) return LineKind::Scene;
    return LineKind::Text;
}

int EmotionOf(std::string_view line) {
    constexpr std::size_t kDigit = 3;
    if (line.size() <= kDigit || line[kDigit] < '0' || line[kDigit] > '4') return -1;
    return line[kDigit] - '0';
}

std::optional<std::string> FaceOf(std::string_view speakerLine) {
    if (!speakerLine.starts_with('-')) return std::nullopt;
    const std::string_view speaker = speakerLine.substr(1);
    if (speaker.find(kFaceSeparator) == std::string_view::npos) return std::nullopt;
    return std::string(speaker);
}

std::optional<std::string> PictureNameOf(std::string_view line) {
    if (line.size() <= kTagLength) return std::nullopt;
    return ArgumentOf(line);
}

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
