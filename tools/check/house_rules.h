#pragma once
// The writers' house rules (data/WRITING.md) that a machine can check in
// one event: its length for its kind, text lines and pages no longer than
// the guide allows, a pause before a page is replaced, one spelling for
// each word that has several, no half-width space after full-width
// punctuation, an emotion item from every meeting, the scene put back, and
// how the endings begin and end.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "event_rules.h"
#include "report.h"

namespace qm::check {

// The lines of an event file, both ends included.
struct LineRange {
    int least, most;
};

// Nothing for the kinds whose length the guide leaves free.
std::optional<LineRange> LineRangeOf(EventKind kind);

inline constexpr int kMostCharactersPerLine = 24;
inline constexpr int kMostTextLinesPerPage = 6;

// A way of writing a word that the guide replaces with another. Both are
// stems, so that every form of the word is caught: さびし finds さびしい
// and さびしく.
struct Spelling {
    std::string_view never, write;
};
inline constexpr std::array<Spelling, 6> kFixedSpellings = {{
    {"噂", "うわさ"},
    {"頁", "ページ"},
    {"さびし", "さみし"},
    {"寂し", "さみし"},
    {"淋し", "さみし"},
    {"綺麗", "きれい"},  // 綺 is the game's own word
}};

void CheckHouseRules(const std::string& file, const std::vector<std::string>& lines, EventKind kind, Report& report);

}  // namespace qm::check
