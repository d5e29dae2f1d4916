#include "game/write_folder.h"

#include <filesystem>
#include <system_error>

#include "game/game.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

std::string WithSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '/' && folder.back() != kSeparator)) folder += kSeparator;
    return folder;
}

class ProgramFolderStorage : public Storage {
public:
    bool CanWrite(const std::string&) override { return true; }
    std::string PlayerFolder() override { return {}; }
};

}  // namespace

Storage& WritableProgramFolder() {
    static ProgramFolderStorage storage;
    return storage;
}

std::string ProgramSysFolder(const GameState& s) { return s.AppFolder + "sys" + kSeparator; }

void ChooseWriteFolder(Game& game) {
    GameState& s = game.state;
    Storage& storage = game.ports.storage;
    s.WriteFolder = s.AppFolder;
    if (!storage.CanWrite(s.AppFolder) || !storage.CanWrite(ProgramSysFolder(s))) {
        // Without a folder of the player's the writes fail as before, and
        // each failure names the file.
        const std::string own = storage.PlayerFolder();
        if (!own.empty()) s.WriteFolder = WithSeparator(own);
    }
    s.SysFolder = s.WriteFolder + "sys" + kSeparator;
    // A folder that cannot be made is named by the first write that fails.
    std::error_code ignored;
    fs::create_directories(PathOf(s.SysFolder), ignored);
}

std::string SysFolderHolding(const GameState& s, const std::string& name) {
    if (s.WriteFolder == s.AppFolder) return s.SysFolder;
    std::error_code ignored;
    return fs::exists(PathOf(s.SysFolder + name), ignored) ? s.SysFolder : ProgramSysFolder(s);
}

}  // namespace qm
