#pragma once
// The lines of one event, read with the game's own tag rules: tags the game
// cannot use, lines it never reaches, and every event and picture the event
// names or awards.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "report.h"

namespace qm::check {

// What the events name, each at the first place that names it.
struct Named {
    std::map<std::string, Place> scenes, faces, memoryPictures;
    // Every ">ive" line, in the order read.
    std::vector<std::pair<std::string, Place>> chains;
};

// startPicture is the memory picture the event holds when it starts.
void CheckScript(const std::string& file, const std::vector<std::string>& lines, const std::string& startPicture,
                 Report& report, Named& named);

}  // namespace qm::check
