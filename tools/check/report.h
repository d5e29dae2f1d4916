#pragma once
// What the checker found: the problems, each as "FILE:LINE: what" (or
// "FILE: what" for a whole file), and the counts of the summary.

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qm::check {

// A file relative to the game folder, with '/' between folders; line 0
// stands for the whole file.
struct Place {
    std::string file;
    int line = 0;
};

struct Tally {
    int events = 0;
    int lines = 0;
    std::array<int, 5> items{};  // by emotion digit
    // Pictures found; nothing while their folder's marker file is missing.
    std::optional<int> scenes, memoryPictures, faces;
};

struct Report {
    void Add(const Place& where, const std::string& what);

    std::vector<std::string> problems;
    // Nothing when the game could not even start from the folder.
    std::optional<Tally> tally;
};

// The problems, then the summary, if there is one.
void Print(const Report& report, std::ostream& out);

}  // namespace qm::check
