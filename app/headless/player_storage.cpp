#include "player_storage.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/text_files.h"

namespace qm::headless {

namespace fs = std::filesystem;

bool PlayerStorage::CanWrite(const std::string& folder) {
    const fs::path probe = PathOf(folder) / (".write-test-" + std::to_string(std::random_device{}()));
    std::error_code error;
    if (!fs::create_directory(probe, error)) return false;
    fs::remove(probe, error);
    return true;
}

std::string PlayerStorage::PlayerFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data) return std::string(data) + "/quillmere/";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share/quillmere/";
    return {};
}

}  // namespace qm::headless
