// quillmere-pack SOURCE DEST: turns the game data kept readable in the
// repository (UTF-8, LF) into a game folder as the game reads it: the text
// files of sys/ and txt/ in CP932 with CR LF, everything else copied as is.
// A file already in the game folder that is newer than its source is left
// alone: it is the game's own writing (the picture register, the saves).

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "core/cp932.h"

namespace fs = std::filesystem;

namespace {

bool IsTextFile(const fs::path& relative) {
    const std::string top = relative.begin()->string();
    return top == "sys" || top == "txt";
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Returns false, after naming the file and line, if a line holds a
// character that CP932 cannot hold.
bool Convert(const fs::path& source, const std::string& text, std::string& out) {
    std::istringstream lines(text);
    std::string line, bytes;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!qm::Utf8ToCp932(line, bytes)) {
            std::cerr << source.string() << ":" << number << ": a character that CP932 cannot hold\n";
            return false;
        }
        out += bytes;
        if (!lines.eof()) out += "\r\n";
    }
    return true;
}

bool Pack(const fs::path& sourceRoot, const fs::path& destRoot) {
    bool ok = true;
    for (const auto& entry : fs::recursive_directory_iterator(sourceRoot)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), sourceRoot);
        const fs::path target = destRoot / relative;
        if (fs::exists(target) && fs::last_write_time(target) >= entry.last_write_time()) continue;
        fs::create_directories(target.parent_path());
        if (!IsTextFile(relative)) {
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
            continue;
        }
        std::string converted;
        if (!Convert(entry.path(), ReadAll(entry.path()), converted)) {
            ok = false;
            continue;
        }
        std::ofstream(target, std::ios::binary | std::ios::trunc) << converted;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quillmere-pack SOURCE DEST\n";
        return 2;
    }
    try {
        return Pack(argv[1], argv[2]) ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "quillmere-pack: " << e.what() << "\n";
        return 1;
    }
}
