#include "game_folder.h"

#include <fstream>
#include <iterator>

#include "core/png_header.h"
#include "text_bytes.h"

namespace qm::check {

bool GameFolder::ReadSettings(Report& report) {
    const std::string file = "sys/system.dat";
    const auto lines = ReadText(file, report);
    if (!lines) {
        report.Add({file}, "missing: the game cannot start without its settings");
        return false;
    }
    if (lines->size() < 4) {
        report.Add({file}, std::to_string(lines->size()) +
                               " lines; the game needs 4 (text suffix, picture suffix, a reserved line, version)");
        return false;
    }
    textExt_ = (*lines)[0];
    pictureExt_ = (*lines)[1];
    return true;
}

std::optional<std::vector<std::string>> GameFolder::ReadText(const std::string& file, Report& report) {
    std::ifstream in(PathOf(PathTo(file)), std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    CheckTextBytes(file, bytes, report);
    return ReadLines(files_, files_.FreeFile(), PathTo(file));
}

bool GameFolder::HasMarker(const std::string& folder) {
    const int number = files_.FreeFile();
    return files_.OpenForInput(number, PathTo(folder + "/dmy")) && files_.Close(number);
}

bool GameFolder::Exists(const std::string& file) const {
    std::error_code ignored;
    return std::filesystem::exists(PathOf(PathTo(file)), ignored);
}

std::optional<PictureSize> GameFolder::Picture(const std::string& file) const { return PngSizeOf(PathTo(file)); }

}  // namespace qm::check
