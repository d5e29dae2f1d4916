#include "core/text_files.h"

#include <filesystem>

#include "core/cp932.h"

namespace qm {

std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

int TextFiles::FreeFile() const {
    int number = 1;
    while (IsOpen(number)) ++number;
    return number;
}

bool TextFiles::OpenForInput(int number, const std::string& path) {
    if (IsOpen(number)) return false;
    std::ifstream f(PathOf(path), std::ios::binary);
    if (!f) return false;
    inputs_.emplace(number, std::move(f));
    return true;
}

bool TextFiles::OpenForOutput(int number, const std::string& path) {
    if (IsOpen(number)) return false;
    outputs_.emplace(number, Output{path, {}});
    return true;
}

std::optional<std::string> TextFiles::LineInput(int number) {
    if (AtEnd(number)) return std::nullopt;
    std::string bytes;
    std::getline(inputs_.at(number), bytes, '\n');
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    return Cp932ToUtf8(bytes);
}

bool TextFiles::AtEnd(int number) {
    const auto it = inputs_.find(number);
    return it == inputs_.end() || it->second.peek() == std::char_traits<char>::eof();
}

bool TextFiles::PrintLine(int number, std::string_view text) {
    const auto it = outputs_.find(number);
    if (it == outputs_.end()) return false;
    std::string bytes;
    Utf8ToCp932(text, bytes);
    it->second.bytes += bytes + "\r\n";
    return true;
}

bool TextFiles::Close(int number) {
    if (const auto in = inputs_.find(number); in != inputs_.end()) {
        in->second.close();
        const bool ok = !in->second.fail();
        inputs_.erase(in);
        return ok;
    }
    const auto out = outputs_.find(number);
    if (out == outputs_.end()) return false;
    const bool ok = system_->WriteFile(out->second.path, out->second.bytes);
    outputs_.erase(out);
    return ok;
}

std::optional<std::vector<std::string>> ReadLines(TextFiles& files, int number, const std::string& path) {
    if (!files.OpenForInput(number, path)) return std::nullopt;
    std::vector<std::string> lines;
    while (auto line = files.LineInput(number)) lines.push_back(std::move(*line));
    files.Close(number);
    return lines;
}

bool ReplaceFileLines(TextFiles& files, int number, const std::string& path, const std::vector<std::string>& lines) {
    FileSystem& disk = files.System();
    const std::string temporary = path + ".new";
    if (!files.OpenForOutput(number, temporary)) return false;
    for (const std::string& line : lines) files.PrintLine(number, line);
    if (!files.Close(number) || !disk.Rename(temporary, path)) {
        disk.Remove(temporary);
        return false;
    }
    // The file is in place whether or not its new name reaches the disk
    // now; a folder that cannot be flushed changes nothing for the caller.
    disk.SyncFolder(FolderOf(path));
    return true;
}

}  // namespace qm
