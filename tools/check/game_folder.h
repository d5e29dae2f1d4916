#pragma once
// A game folder as the game reads it: the settings of sys/system.dat, text
// files a line at a time, the marker files that switch pictures on, and
// picture files named by folder, name and the picture suffix.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "core/text_files.h"
#include "report.h"

namespace qm::check {

class GameFolder {
public:
    explicit GameFolder(std::filesystem::path root) : root_(std::move(root)) {}

    // Reads the text and picture suffixes; false, with the problem
    // reported, when the game could not start.
    bool ReadSettings(Report& report);

    // The lines of a text file as the game reads them, once its bytes have
    // been checked; nothing when the file cannot be opened.
    std::optional<std::vector<std::string>> ReadText(const std::string& file, Report& report);

    // A text of "txt": an event, the title text, the album template.
    std::string TextFile(const std::string& name) const { return "txt/" + name + textExt_; }
    // A picture in "img" (scenes, memory pictures) or "face".
    std::string PictureFile(const std::string& folder, const std::string& name) const {
        return folder + "/" + name + pictureExt_;
    }

    // The game shows the pictures of a folder only if it can open the
    // folder's marker file "dmy".
    bool HasMarker(const std::string& folder);

    bool Exists(const std::string& file) const;
    std::optional<PictureSize> Picture(const std::string& file) const;

private:
    std::string PathTo(const std::string& file) const { return Utf8Of(root_ / PathOf(file)); }

    std::filesystem::path root_;
    TextFiles files_;
    std::string textExt_, pictureExt_;
};

}  // namespace qm::check
