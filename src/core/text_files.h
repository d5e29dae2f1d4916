#pragma once
// Sequential text files known by number, as the game opens them: take a free
// number, open for reading or for writing (replacing), one line at a time,
// test for the end, close. Lines end in CR LF and are CP932 on disk, UTF-8
// in the program; a line that is not CP932 comes back byte for byte when it
// is written again.

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"

namespace qm {

// Builds a file-system path from a UTF-8 text made by concatenation.
std::filesystem::path PathOf(std::string_view utf8);
std::string Utf8Of(const std::filesystem::path& path);

class TextFiles {
public:
    // What is written goes to the disk through this (tests fail it on
    // purpose).
    FileSystem& System() const { return *system_; }
    void UseFileSystem(FileSystem& system) { system_ = &system; }

    int FreeFile() const;
    bool IsOpen(int number) const { return inputs_.count(number) != 0 || outputs_.count(number) != 0; }
    std::size_t OpenCount() const { return inputs_.size() + outputs_.size(); }

    bool OpenForInput(int number, const std::string& path);
    // The file is written whole, and onto the disk, when it is closed.
    bool OpenForOutput(int number, const std::string& path);

    // The next line without its line break, or nothing at the end.
    std::optional<std::string> LineInput(int number);
    bool AtEnd(int number);
    bool PrintLine(int number, std::string_view text);

    // False if nothing was open under the number or the data could not be
    // written out.
    bool Close(int number);

private:
    struct Output {
        std::string path;
        std::string bytes;
    };
    FileSystem* system_ = &RealFileSystem();
    std::map<int, std::ifstream> inputs_;
    std::map<int, Output> outputs_;
};

// Reads a whole file a line at a time; nothing if it cannot be opened.
std::optional<std::vector<std::string>> ReadLines(TextFiles& files, int number, const std::string& path);

// Replaces a file with the given lines so that a crash or a full disk
// half-way leaves the old file whole: the lines go to a temporary file
// beside it, which is on the disk before it takes the old one's place.
bool ReplaceFileLines(TextFiles& files, int number, const std::string& path, const std::vector<std::string>& lines);

}  // namespace qm
