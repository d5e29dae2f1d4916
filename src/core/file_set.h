#pragma once
// Several text files that belong together (the one save slot) replaced as
// one: if the program dies half-way, the next look finds either all of the
// old files or all of the new ones, never a mix.
//
// Each file is written beside its place as NAME.new; a commit file listing
// the names then marks the new set complete, the new files take their
// places, and the commit file goes. A commit file left behind means the set
// was complete: the moves are finished. NAME.new files without one are
// an unfinished set and are removed.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/file_system.h"
#include "core/text_files.h"

namespace qm {

using FileLines = std::pair<std::string, std::vector<std::string>>;  // name in the folder, its lines

// On failure, the path of the file that could not be written; the old set
// is then untouched.
std::optional<std::string> ReplaceFileSet(TextFiles& files, int number, const std::string& folder,
                                          const std::vector<FileLines>& set);

// Finishes or undoes a replacement that the program did not live to end.
void SettleFileSet(FileSystem& disk, const std::string& folder, const std::vector<std::string>& names);

}  // namespace qm
