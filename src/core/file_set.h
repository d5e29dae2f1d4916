#pragma once
// Several text files that belong together (the one save slot) replaced as
// one: whatever stops the program, and whatever refuses to move, the next
// look finds either all of the old files or all of the new ones, never a
// mix.
//
// Each file is written beside its place as NAME.new and forced onto the
// disk; a commit file then marks the new set complete. The old files step
// aside as NAME.old, the new ones take their places, and the commit file and
// the old files go. While the commit file is there, the new set is the
// save: a program stopped half-way is finished by the next look. When a
// file will not move, the old files are put back and the commit file goes,
// so the old set is the save again.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/file_system.h"
#include "core/text_files.h"

namespace qm {

using FileLines = std::pair<std::string, std::vector<std::string>>;  // name in the folder, its lines

struct FileSetFailure {
    std::string path;  // the file that could not be written or moved
    // False only when putting the old files back failed as well: the new
    // set is then complete and committed, and the next look finishes it.
    bool oldSetKept = true;
};

std::optional<FileSetFailure> ReplaceFileSet(TextFiles& files, int number, const std::string& folder,
                                             const std::vector<FileLines>& set);

// Finishes a replacement that the program did not live to end, or throws
// away one that was never complete. When a complete set cannot be moved
// into place, the path of the file in the way: the files must not be read
// as a set then.
std::optional<std::string> SettleFileSet(FileSystem& disk, const std::string& folder,
                                         const std::vector<std::string>& names);

}  // namespace qm
