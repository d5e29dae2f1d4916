#pragma once
// What every fuzz target shares: one folder of its own for the whole run,
// emptied before each input, and a way to stop on a broken promise that the
// fuzzer reports as a finding.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "temp_folder.h"

namespace qm::fuzz {

// Aborts, which libFuzzer records as a crash with the input that caused it.
inline void Require(bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

// The game folder of one input: emptied, with sys/, txt/, img/ and face/.
inline const std::filesystem::path& FreshGameFolder() {
    static const testing::TempFolder folder;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) std::filesystem::remove_all(entry);
    for (const char* sub : {"sys", "txt", "img", "face"}) std::filesystem::create_directory(folder.path() / sub);
    return folder.path();
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a file as the game reads them (split at LF, one CR before it
// dropped), and the file the game writes from them.
inline std::vector<std::string> RawLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string line(bytes.substr(0, end));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return lines;
}

inline std::string AsWritten(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace qm::fuzz
