#include "core/file_set.h"

namespace qm {
namespace {

constexpr const char* kCommitName = "save.commit";
constexpr const char* kNewSuffix = ".new";

bool WriteLines(TextFiles& files, int number, const std::string& path, const std::vector<std::string>& lines) {
    if (!files.OpenForOutput(number, path)) return false;
    for (const std::string& line : lines) files.PrintLine(number, line);
    return files.Close(number);
}

void RemoveNewFiles(FileSystem& disk, const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) disk.Remove(folder + name + kNewSuffix);
}

// Moves every new file that is still waiting into its place, then drops
// the commit file.
void MoveNewFilesIn(FileSystem& disk, const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string waiting = folder + name + kNewSuffix;
        if (disk.Exists(waiting)) disk.Rename(waiting, folder + name);
    }
    disk.Remove(folder + kCommitName);
}

std::vector<std::string> NamesOf(const std::vector<FileLines>& set) {
    std::vector<std::string> names;
    for (const auto& [name, lines] : set) names.push_back(name);
    return names;
}

}  // namespace

std::optional<std::string> ReplaceFileSet(TextFiles& files, int number, const std::string& folder,
                                          const std::vector<FileLines>& set) {
    FileSystem& disk = files.System();
    const std::vector<std::string> names = NamesOf(set);
    SettleFileSet(disk, folder, names);
    for (const auto& [name, lines] : set) {
        if (!WriteLines(files, number, folder + name + kNewSuffix, lines)) {
            RemoveNewFiles(disk, folder, names);
            return folder + name;
        }
    }
    // The commit file appears whole or not at all.
    if (!ReplaceFileLines(files, number, folder + kCommitName, names)) {
        RemoveNewFiles(disk, folder, names);
        return folder + kCommitName;
    }
    MoveNewFilesIn(disk, folder, names);
    return std::nullopt;
}

void SettleFileSet(FileSystem& disk, const std::string& folder, const std::vector<std::string>& names) {
    if (disk.Exists(folder + kCommitName))
        MoveNewFilesIn(disk, folder, names);
    else
        RemoveNewFiles(disk, folder, names);
}

}  // namespace qm
