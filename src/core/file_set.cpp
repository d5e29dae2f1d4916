#include "core/file_set.h"

#include <filesystem>
#include <system_error>

namespace qm {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCommitName = "save.commit";
constexpr const char* kNewSuffix = ".new";

bool WriteLines(TextFiles& files, int number, const std::string& path, const std::vector<std::string>& lines) {
    if (!files.OpenForOutput(number, path)) return false;
    bool ok = true;
    for (const std::string& line : lines) ok = ok && files.PrintLine(number, line);
    return files.Close(number) && ok;
}

void RemoveNewFiles(const std::string& folder, const std::vector<std::string>& names) {
    std::error_code ignored;
    for (const std::string& name : names) fs::remove(PathOf(folder + name + kNewSuffix), ignored);
}

// Moves every new file that is still waiting into its place, then drops
// the commit file.
void MoveNewFilesIn(const std::string& folder, const std::vector<std::string>& names) {
    std::error_code ignored;
    for (const std::string& name : names) {
        const fs::path waiting = PathOf(folder + name + kNewSuffix);
        if (fs::exists(waiting, ignored)) fs::rename(waiting, PathOf(folder + name), ignored);
    }
    fs::remove(PathOf(folder + kCommitName), ignored);
}

std::vector<std::string> NamesOf(const std::vector<FileLines>& set) {
    std::vector<std::string> names;
    for (const auto& [name, lines] : set) names.push_back(name);
    return names;
}

}  // namespace

std::optional<std::string> ReplaceFileSet(TextFiles& files, int number, const std::string& folder,
                                          const std::vector<FileLines>& set) {
    const std::vector<std::string> names = NamesOf(set);
    SettleFileSet(folder, names);
    for (const auto& [name, lines] : set) {
        if (!WriteLines(files, number, folder + name + kNewSuffix, lines)) {
            RemoveNewFiles(folder, names);
            return folder + name;
        }
    }
    // The commit file appears whole or not at all.
    if (!ReplaceFileLines(files, number, folder + kCommitName, names)) {
        RemoveNewFiles(folder, names);
        return folder + kCommitName;
    }
    MoveNewFilesIn(folder, names);
    return std::nullopt;
}

void SettleFileSet(const std::string& folder, const std::vector<std::string>& names) {
    std::error_code ignored;
    if (fs::exists(PathOf(folder + kCommitName), ignored))
        MoveNewFilesIn(folder, names);
    else
        RemoveNewFiles(folder, names);
}

}  // namespace qm
