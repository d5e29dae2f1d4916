#include "core/text_files.h"

#include <filesystem>
#include <system_error>

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
    std::fstream f(PathOf(path), std::ios::in | std::ios::binary);
    if (!f) return false;
    files_.emplace(number, std::move(f));
    return true;
}

bool TextFiles::OpenForOutput(int number, const std::string& path) {
    if (IsOpen(number)) return false;
    std::fstream f(PathOf(path), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!f) return false;
    files_.emplace(number, std::move(f));
    return true;
}

std::optional<std::string> TextFiles::LineInput(int number) {
    if (AtEnd(number)) return std::nullopt;
    std::string bytes;
    std::getline(files_.at(number), bytes, '\n');
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    return Cp932ToUtf8(bytes);
}

bool TextFiles::AtEnd(int number) {
    const auto it = files_.find(number);
    return it == files_.end() || it->second.peek() == std::char_traits<char>::eof();
}

bool TextFiles::PrintLine(int number, std::string_view text) {
    const auto it = files_.find(number);
    if (it == files_.end()) return false;
    std::string bytes;
    Utf8ToCp932(text, bytes);
    bytes += "\r\n";
    return static_cast<bool>(it->second.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

bool TextFiles::Close(int number) {
    const auto it = files_.find(number);
    if (it == files_.end()) return false;
    it->second.close();
    const bool ok = !it->second.fail();
    files_.erase(it);
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
    const std::string temporary = path + ".new";
    if (!files.OpenForOutput(number, temporary)) return false;
    bool ok = true;
    for (const std::string& line : lines) ok = ok && files.PrintLine(number, line);
    ok = files.Close(number) && ok;
    std::error_code error;
    if (ok) std::filesystem::rename(PathOf(temporary), PathOf(path), error);
    if (!ok || error) {
        std::filesystem::remove(PathOf(temporary), error);
        return false;
    }
    return true;
}

}  // namespace qm
