#include "house_rules.h"

#include <algorithm>

#include "rules/script_lines.h"

namespace qm::check {
namespace {

// After these, a half-width space is a slip for the full-width one.
constexpr std::string_view kFullWidthPunctuation[] = {"、", "。", "，", "．", "！", "？", "：", "；", "…", "‥",
                                                      "・", "「", "」", "『", "』", "（", "）", "―", "～"};

constexpr std::string_view kSceneBack = ">img game";

int CharactersIn(std::string_view utf8) {
    int count = 0;
    for (const char byte : utf8)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
    return count;
}

bool EndsWithPunctuation(std::string_view text) {
    for (std::string_view mark : kFullWidthPunctuation)
        if (text.ends_with(mark)) return true;
    return false;
}

void CheckTextLine(std::string_view line, const Place& here, Report& report) {
    if (const int characters = CharactersIn(line); characters > kMostCharactersPerLine)
        report.Add(here, "a text line of " + std::to_string(characters) + " characters; the guide allows " +
                             std::to_string(kMostCharactersPerLine));
    for (std::size_t space = line.find(' '); space != std::string_view::npos; space = line.find(' ', space + 1))
        if (EndsWithPunctuation(line.substr(0, space))) {
            report.Add(here, "a half-width space after full-width punctuation; write the full-width space");
            break;
        }
    for (const Spelling& spelling : kFixedSpellings)
        if (line.find(spelling.never) != std::string_view::npos)
            report.Add(here, std::string(spelling.never) + ": the guide writes " + std::string(spelling.write));
}

// Pages, and the pause that lets the player read a page before a new
// speaker or the ending branch replaces it.
void CheckPages(const std::string& file, const std::vector<std::string>& lines, Report& report) {
    int onPage = 0;
    bool unread = false;  // a text line shown since the last pause
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Place here{file, static_cast<int>(i) + 1};
        const LineKind kind = KindOf(lines[i]);
        if ((kind == LineKind::Speaker || kind == LineKind::EndingBranch) && unread)
            report.Add(here, "replaces the page before it at once; put an empty line before it");
        if (kind == LineKind::Speaker || kind == LineKind::EmptyLine) onPage = 0;
        if (IsPauseLine(lines[i]) || kind == LineKind::Speaker) unread = false;
        if (kind != LineKind::Text) continue;
        CheckTextLine(lines[i], here, report);
        unread = true;
        if (++onPage == kMostTextLinesPerPage + 1)
            report.Add(here, "a page of more than " + std::to_string(kMostTextLinesPerPage) +
                                 " text lines; end it with an empty line");
    }
}

void CheckLength(const std::string& file, int count, EventKind kind, Report& report) {
    const auto range = LineRangeOf(kind);
    if (range && (count < range->least || count > range->most))
        report.Add({file}, std::to_string(count) + " lines; the guide wants a " + Describe(kind) + " of " +
                               std::to_string(range->least) + " to " + std::to_string(range->most));
}

// An event that changes the scene leaves the main screen's behind it.
void CheckSceneBack(const std::string& file, const std::vector<std::string>& lines, Report& report) {
    for (std::size_t i = lines.size(); i-- > 0;)
        if (KindOf(lines[i]) == LineKind::Scene) {
            if (lines[i] != kSceneBack)
                report.Add({file, static_cast<int>(i) + 1},
                           "the last scene the event shows; put " + std::string(kSceneBack) + " back at its end");
            return;
        }
}

// How an event begins and ends, by its kind.
void CheckFrame(const std::string& file, const std::vector<std::string>& lines, EventKind kind, Report& report) {
    const LineKind first = KindOf(lines.front());
    if (kind == EventKind::LastDay && first != LineKind::Text)
        report.Add({file, 1}, "the ending event must begin with a text line: the game runs its first line "
                              "behind the title screen at start-up");
    else if (first != LineKind::Speaker && first != LineKind::Text)
        report.Add({file, 1}, "an event begins with a speaker or a text line");
    const int last = static_cast<int>(lines.size());
    if (kind == EventKind::FairyEnding && (last < 2 || lines[last - 2] != ">nex" || lines[last - 1] != ">rek"))
        report.Add({file, last}, "a fairy ending ends with the two lines >nex and >rek");
    const bool awardsItem =
        std::ranges::any_of(lines, [](const std::string& line) { return KindOf(line) == LineKind::Emotion; });
    if ((kind == EventKind::Group || kind == EventKind::Solo) && !awardsItem)
        report.Add({file}, "a meeting that awards no emotion item");
    // The chronicle after an ending shows a scene of its own.
    const bool chronicleFollows = kind == EventKind::LastDay || kind == EventKind::FairyEnding;
    if (!chronicleFollows) CheckSceneBack(file, lines, report);
}

}  // namespace

std::optional<LineRange> LineRangeOf(EventKind kind) {
    switch (kind) {
        case EventKind::Group:
            return LineRange{25, 70};
        case EventKind::Solo:
            return LineRange{25, 60};
        case EventKind::FairyEnding:
            return LineRange{60, 110};
        default:
            return std::nullopt;
    }
}

void CheckHouseRules(const std::string& file, const std::vector<std::string>& lines, EventKind kind, Report& report) {
    CheckLength(file, static_cast<int>(lines.size()), kind, report);
    if (lines.empty()) return;
    CheckPages(file, lines, report);
    CheckFrame(file, lines, kind, report);
}

}  // namespace qm::check
