#include "core/file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/text_files.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class Disk : public FileSystem {
public:
    bool WriteFile(const std::string& path, std::string_view bytes) override {
        const int fd = ::open(PathOf(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) return false;
        const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
        return ::close(fd) == 0 && ok;
    }

    bool SyncFolder(const std::string& folder) override {
        const int fd = ::open(PathOf(folder.empty() ? "." : folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool ok = ::fsync(fd) == 0;
        return ::close(fd) == 0 && ok;
    }

    bool Rename(const std::string& from, const std::string& to) override {
        std::error_code error;
        fs::rename(PathOf(from), PathOf(to), error);
        return !error;
    }

    bool Remove(const std::string& path) override {
        std::error_code error;
        fs::remove(PathOf(path), error);
        return !error;
    }

    bool Exists(const std::string& path) override {
        std::error_code error;
        return fs::exists(PathOf(path), error);
    }
};

}  // namespace

FileSystem& RealFileSystem() {
    static Disk disk;
    return disk;
}

std::string FolderOf(const std::string& path) {
    const std::string separators = {'/', static_cast<char>(fs::path::preferred_separator)};
    const std::size_t last = path.find_last_of(separators);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

}  // namespace qm
