#include "picture_check.h"

namespace qm::check {
namespace {

// The title screen's new game shows "game", the chronicle "par".
constexpr const char* kProgramScenes[] = {"game", "par"};

// What keeps the game from loading a picture file, if anything.
std::optional<std::string> Fault(const GameFolder& folder, const std::string& file) {
    if (!folder.Exists(file)) return "is missing";
    if (!folder.Picture(file)) return "is not a PNG picture";
    return std::nullopt;
}

// Returns how many of the pictures were found sound.
int CheckNamed(const GameFolder& folder, const std::string& pictureFolder, const std::map<std::string, Place>& pictures,
               const char* kind, Report& report) {
    int found = 0;
    for (const auto& [name, place] : pictures) {
        const std::string file = folder.PictureFile(pictureFolder, name);
        if (const auto fault = Fault(folder, file))
            report.Add(place, std::string(kind) + " " + file + " " + *fault);
        else
            ++found;
    }
    return found;
}

int CheckProgramScenes(const GameFolder& folder, const Named& named, Report& report) {
    int found = 0;
    for (const char* scene : kProgramScenes) {
        if (named.scenes.contains(scene)) continue;
        const std::string file = folder.PictureFile("img", scene);
        if (const auto fault = Fault(folder, file))
            report.Add({file}, "the program shows this scene, but it " + *fault);
        else
            ++found;
    }
    return found;
}

}  // namespace

void CheckPictures(GameFolder& folder, const Named& named, Report& report) {
    Tally& tally = *report.tally;
    if (folder.HasMarker("img")) {
        tally.scenes =
            CheckProgramScenes(folder, named, report) + CheckNamed(folder, "img", named.scenes, "scene", report);
        tally.memoryPictures = CheckNamed(folder, "img", named.memoryPictures, "memory picture", report);
    }
    if (folder.HasMarker("face")) tally.faces = CheckNamed(folder, "face", named.faces, "face", report);
}

}  // namespace qm::check
