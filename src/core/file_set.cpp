#include "core/file_set.h"

namespace qm {
namespace {

constexpr const char* kCommitName = "save.commit";
constexpr const char* kNewSuffix = ".new";
constexpr const char* kOldSuffix = ".old";

// The paths of one set's files in its folder.
class SetPaths {
public:
    SetPaths(const std::string& folder, const std::vector<std::string>& names) : folder_(folder), names_(names) {}

    const std::vector<std::string>& Names() const { return names_; }
    const std::string& Folder() const { return folder_; }
    std::string Path(const std::string& name) const { return folder_ + name; }
    std::string New(const std::string& name) const { return folder_ + name + kNewSuffix; }
    std::string Old(const std::string& name) const { return folder_ + name + kOldSuffix; }
    std::string Commit() const { return folder_ + kCommitName; }

private:
    const std::string& folder_;
    const std::vector<std::string>& names_;
};

bool WriteLines(TextFiles& files, int number, const std::string& path, const std::vector<std::string>& lines) {
    if (!files.OpenForOutput(number, path)) return false;
    for (const std::string& line : lines) files.PrintLine(number, line);
    return files.Close(number);
}

// An incomplete set, or the old files a finished one left behind.
void RemoveLeftovers(FileSystem& disk, const SetPaths& set) {
    for (const std::string& name : set.Names()) {
        disk.Remove(set.New(name));
        disk.Remove(set.Old(name));
    }
}

// Every new file still waiting takes its place, the file it replaces
// stepping aside first; then the commit file and the old files go. Starts
// from wherever an earlier attempt stopped. Returns the path that would not
// move.
std::optional<std::string> MoveNewFilesIn(FileSystem& disk, const SetPaths& set) {
    for (const std::string& name : set.Names())
        if (disk.Exists(set.New(name)) && disk.Exists(set.Path(name)) && !disk.Rename(set.Path(name), set.Old(name)))
            return set.Path(name);
    for (const std::string& name : set.Names())
        if (disk.Exists(set.New(name)) && !disk.Rename(set.New(name), set.Path(name))) return set.Path(name);
    // The moves reach the disk before the commit file stops vouching for
    // them.
    if (!disk.SyncFolder(set.Folder())) return set.Folder();
    disk.Remove(set.Commit());
    RemoveLeftovers(disk, set);
    return std::nullopt;
}

// Undoes a move that stopped half-way: the new files that went in step out
// again, the old ones come back, and only then does the commit file go (a
// program stopped before that finishes the new set instead).
bool MoveOldFilesBack(FileSystem& disk, const SetPaths& set) {
    bool ok = true;
    for (const std::string& name : set.Names())
        if (!disk.Exists(set.New(name)) && disk.Exists(set.Path(name)))
            ok = disk.Rename(set.Path(name), set.New(name)) && ok;
    for (const std::string& name : set.Names())
        if (disk.Exists(set.Old(name))) ok = disk.Rename(set.Old(name), set.Path(name)) && ok;
    if (!ok || !disk.SyncFolder(set.Folder()) || !disk.Remove(set.Commit())) return false;
    RemoveLeftovers(disk, set);
    return true;
}

// Gives up a set that never became complete.
FileSetFailure Abandon(FileSystem& disk, const SetPaths& set, const std::string& path) {
    disk.Remove(set.Commit());
    RemoveLeftovers(disk, set);
    return {path};
}

std::vector<std::string> NamesOf(const std::vector<FileLines>& lines) {
    std::vector<std::string> names;
    for (const auto& [name, content] : lines) names.push_back(name);
    return names;
}

}  // namespace

std::optional<FileSetFailure> ReplaceFileSet(TextFiles& files, int number, const std::string& folder,
                                             const std::vector<FileLines>& lines) {
    FileSystem& disk = files.System();
    const std::vector<std::string> names = NamesOf(lines);
    const SetPaths set(folder, names);
    if (auto stuck = SettleFileSet(disk, folder, names)) return FileSetFailure{*stuck};
    for (const auto& [name, content] : lines)
        if (!WriteLines(files, number, set.New(name), content)) return Abandon(disk, set, set.New(name));
    // The new files are on the disk before the commit file says they are
    // complete, and the commit file is there before anything moves.
    if (!disk.SyncFolder(folder)) return Abandon(disk, set, folder);
    if (!WriteLines(files, number, set.Commit(), names) || !disk.SyncFolder(folder))
        return Abandon(disk, set, set.Commit());
    if (auto stuck = MoveNewFilesIn(disk, set)) return FileSetFailure{*stuck, MoveOldFilesBack(disk, set)};
    return std::nullopt;
}

std::optional<std::string> SettleFileSet(FileSystem& disk, const std::string& folder,
                                         const std::vector<std::string>& names) {
    const SetPaths set(folder, names);
    if (disk.Exists(set.Commit())) return MoveNewFilesIn(disk, set);
    RemoveLeftovers(disk, set);
    return std::nullopt;
}

}  // namespace qm
