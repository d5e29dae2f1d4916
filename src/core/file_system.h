#pragma once
// Every change the game makes to the disk goes through here: writing a
// whole file, renaming, removing, and forcing what was written onto the disk.
// Reading needs nothing of the kind and uses the standard streams.
//
// For whoever ports the game: WriteFile must not return before the bytes
// are on the disk (fsync on POSIX, FlushFileBuffers on Windows), and
// SyncFolder must make the names made, moved or removed in the folder
// survive a power cut (fsync of the folder on POSIX; on Windows, where a
// folder cannot be flushed, returning true is right, as NTFS journals its
// names). Rename replaces the target in one step. The save slot and the
// picture register rely on these three promises to survive a crash; tests
// put a file system here that fails on purpose.

#include <string>
#include <string_view>

namespace qm {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates or replaces the file with exactly these bytes.
    virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
    virtual bool SyncFolder(const std::string& folder) = 0;
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // True when the file is gone afterwards, also when it never was there.
    virtual bool Remove(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
};

// The disk itself.
FileSystem& RealFileSystem();

// The folder part of a path, with its separator; "" for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace qm
