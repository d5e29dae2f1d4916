#include "check_game.h"

#include <algorithm>

#include "event_check.h"
#include "game_folder.h"
#include "picture_check.h"

namespace qm::check {
namespace {

// The album writes its pictures where the template has this line.
constexpr const char* kPictureMarker = "<SYASIN>";

void CheckAlbumTemplate(GameFolder& folder, Report& report) {
    const std::string file = folder.TextFile("arub");
    const auto lines = folder.ReadText(file, report);
    if (!lines)
        report.Add({file}, "missing album template");
    else if (std::ranges::find(*lines, kPictureMarker) == lines->end())
        report.Add({file}, std::string("no marker line ") + kPictureMarker + " where the album's pictures go");
}

// The title text and the picture register may be missing; when they are
// there, the game reads them too.
void CheckOtherTexts(GameFolder& folder, Report& report) {
    folder.ReadText(folder.TextFile("stt"), report);
    folder.ReadText("sys/lstphoto.dat", report);
}

}  // namespace

Report CheckGame(const std::filesystem::path& root) {
    Report report;
    GameFolder folder(root);
    if (!folder.ReadSettings(report)) return report;
    report.tally.emplace();
    const Named named = CheckEvents(folder, report);
    CheckPictures(folder, named, report);
    CheckAlbumTemplate(folder, report);
    CheckOtherTexts(folder, report);
    return report;
}

int CheckAndPrint(const std::filesystem::path& root, std::ostream& out) {
    const Report report = CheckGame(root);
    Print(report, out);
    return report.problems.empty() ? 0 : 1;
}

}  // namespace qm::check
