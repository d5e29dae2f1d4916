// The checker holds events to the writers' guide: its numbers and its
// table of spellings must be the guide's, so that changing one without the
// other fails here.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "house_rules.h"

namespace qm::check {
namespace {

std::string Guide() {
    std::ifstream in(WRITERS_GUIDE);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The numbers the guide writes in a phrase such as "Solo events: 25–60
// lines"; nothing found is an empty list.
std::vector<int> NumbersAfter(const std::string& guide, const std::string& pattern) {
    std::smatch match;
    if (!std::regex_search(guide, match, std::regex(pattern))) return {};
    std::vector<int> numbers;
    for (std::size_t i = 1; i < match.size(); ++i) numbers.push_back(std::stoi(match[i]));
    return numbers;
}

std::vector<int> RangeOf(EventKind kind) {
    const auto range = LineRangeOf(kind);
    return {range->least, range->most};
}

TEST(WritersGuide, GivesTheCheckersLineRangesAndLengths) {
    const std::string guide = Guide();
    ASSERT_FALSE(guide.empty()) << WRITERS_GUIDE;
    EXPECT_EQ(RangeOf(EventKind::Group), NumbersAfter(guide, R"(\*\*Group events: (\d+)–(\d+) lines\*\*)"));
    EXPECT_EQ(RangeOf(EventKind::Solo), NumbersAfter(guide, R"(\*\*Solo events: (\d+)–(\d+) lines\*\*)"));
    EXPECT_EQ(RangeOf(EventKind::FairyEnding), NumbersAfter(guide, R"(\*\*Fairy endings: (\d+)–(\d+) lines\*\*)"));
    EXPECT_EQ(std::vector<int>{kMostCharactersPerLine},
              NumbersAfter(guide, R"(\*\*Text lines of at most (\d+) characters\*\*)"));
    const std::string pages = "**Pages of at most six text lines**";
    EXPECT_EQ(6, kMostTextLinesPerPage);
    EXPECT_NE(std::string::npos, guide.find(pages));
}

// The rows of the guide's table of spellings: what to write, what never.
std::vector<std::pair<std::string, std::string>> SpellingRows(const std::string& guide) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::istringstream lines(guide.substr(guide.find("## One spelling per word")));
    std::string line;
    const std::regex row(R"(^\| ([^|]+) \| ([^|]+) \|$)");
    for (std::smatch match; std::getline(lines, line);)
        if (std::regex_match(line, match, row) && match[1] != "Write" && match[1] != "---")
            rows.emplace_back(match[1], match[2]);
    return rows;
}

TEST(WritersGuide, FixesTheSpellingsTheCheckerRefuses) {
    const auto rows = SpellingRows(Guide());
    ASSERT_EQ(4u, rows.size());
    for (const Spelling& spelling : kFixedSpellings) {
        const bool inGuide = std::ranges::any_of(rows, [&](const auto& row) {
            return row.first.find(spelling.write) != std::string::npos &&
                   row.second.find(spelling.never) != std::string::npos;
        });
        EXPECT_TRUE(inGuide) << spelling.never << " → " << spelling.write;
    }
    // Each form the guide refuses holds a stem the checker looks for.
    for (const auto& [write, never] : rows) {
        const std::string forms = never.substr(0, never.find(" ("));
        for (std::size_t start = 0, end; start < forms.size(); start = end + std::string_view("、").size()) {
            end = std::min(forms.find("、", start), forms.size());
            const std::string form = forms.substr(start, end - start);
            const bool caught = std::ranges::any_of(
                kFixedSpellings, [&](const Spelling& spelling) { return form.find(spelling.never) != std::string::npos; });
            EXPECT_TRUE(caught) << form;
        }
    }
}

}  // namespace
}  // namespace qm::check
