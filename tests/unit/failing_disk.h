#pragma once
// The real disk, except where a test makes it fail: the operations it names
// fail as a full disk, a read-only folder or a file held by another program
// would make them, and the program can be stopped dead after a number of
// changes, as a kill would stop it.

#include <functional>
#include <string>

#include "core/file_system.h"

namespace qm::testing {

enum class DiskStep { Write, Sync, Rename, Remove };

// Thrown where the program stops; nothing after that change happens.
struct ProgramStopped {};

class FailingDisk : public FileSystem {
public:
    // Decides whether a step on a path fails; a rename asks for both ends.
    std::function<bool(DiskStep, const std::string& path)> fails = [](DiskStep, const std::string&) { return false; };
    // Decides whether one rename, from one path to another, fails.
    std::function<bool(const std::string& from, const std::string& to)> renameFails =
        [](const std::string&, const std::string&) { return false; };
    // Stops the program once this many changes have happened; -1 never.
    int stopAfter = -1;
    // Stops the program just before a step on a path.
    std::function<bool(DiskStep, const std::string& path)> stopsAt = [](DiskStep, const std::string&) { return false; };
    int changes = 0;

    bool WriteFile(const std::string& path, std::string_view bytes) override {
        return Change(DiskStep::Write, path) && disk_.WriteFile(path, bytes);
    }
    bool SyncFolder(const std::string& folder) override {
        return Change(DiskStep::Sync, folder) && disk_.SyncFolder(folder);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        return Change(DiskStep::Rename, from) && !fails(DiskStep::Rename, to) && !renameFails(from, to) &&
               disk_.Rename(from, to);
    }
    bool Remove(const std::string& path) override { return Change(DiskStep::Remove, path) && disk_.Remove(path); }
    bool Exists(const std::string& path) override { return disk_.Exists(path); }

private:
    bool Change(DiskStep step, const std::string& path) {
        if ((stopAfter >= 0 && changes >= stopAfter) || stopsAt(step, path)) throw ProgramStopped{};
        ++changes;
        return !fails(step, path);
    }

    FileSystem& disk_ = RealFileSystem();
};

// Fails every step on a path that ends with the name.
inline std::function<bool(DiskStep, const std::string&)> FailsOn(DiskStep step, std::string name) {
    return [step, name](DiskStep s, const std::string& path) { return s == step && path.ends_with(name); };
}

}  // namespace qm::testing
