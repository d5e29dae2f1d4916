// The script interpreter stepping any event file to its end, by ticks and
// clicks, with chains into a small fixed set of events (and back into
// itself), the ending and the chronicle.

#include <cstddef>
#include <cstdint>

#include "core/cp932.h"
#include "fuzz_folder.h"
#include "script/event_start.h"
#include "ui/events.h"
#include "unit/fake_game.h"
#include "world/world_parts.h"

namespace {

constexpr int kMostSteps = 400;

void Event(const std::filesystem::path& folder, const char* name, const std::string& utf8) {
    std::string bytes;
    qm::Utf8ToCp932(utf8, bytes);
    qm::fuzz::WriteBytes(folder / "txt" / (std::string(name) + ".txt"), bytes);
}

void SetUp(qm::Game& game, const std::filesystem::path& folder, qm::testing::MapPictures& pictures) {
    qm::GameState& s = game.state;
    s.AppFolder = qm::Utf8Of(folder) + "/";
    s.TxtFolder = s.AppFolder + "txt/";
    s.ImgFolder = s.AppFolder + "img/";
    s.FaceFolder = s.AppFolder + "face/";
    s.SysFolder = s.AppFolder + "sys/";  // where a new picture's register goes
    s.TextExt = ".txt";
    s.PictureExt = ".png";
    s.EmotionName = {"喜", "怒", "哀", "楽", "愛"};
    s.PicturesPresent = s.FacesPresent = true;
    s.Affection[3] = 12;  // ">ing" leads to "end3"
    for (const char* picture : {"img/012.png", "img/game.png", "img/par.png", "face/ミナ＿笑.png"})
        pictures.sizes[s.AppFolder + picture] = {64, 48};
    s.World = {WorldPart{"あい", {1, 0, 0, 0, 2}, 0}};
    Event(folder, "a", "-ミナ＿笑\nこんにちは\n>ive b\n");
    Event(folder, "b", ">k>1\n>nex 012\nb\n>img game\n\nbの終わり\n");
    Event(folder, "end", "おしまい\n>ing\n");
    Event(folder, "end3", "-ミナ\nありがとう\n>rek\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    const auto folder = fuzz::FreshGameFolder();
    testing::FakeGame fake{Utf8Of(folder)};
    Game& game = fake.game;
    SetUp(game, folder, fake.pictures);
    fuzz::WriteBytes(folder / "txt" / "fuzz.txt", std::string_view(reinterpret_cast<const char*>(data), size));

    StartEvent(game, "fuzz");
    for (int step = 0; step < kMostSteps && game.files.IsOpen(game.state.FileNumber); ++step) {
        step % 3 == 2 ? Click(game, game.form.Lbl) : Tick(game, game.form.TimSay);
        fuzz::Require(game.files.OpenCount() <= 1, "at most one event file is open");
    }
    for (const EmotionItem& item : game.state.Items)
        fuzz::Require(EmotionOfItem(item.row) == item.emotion && item.emotion >= 0 && item.emotion <= 4,
                      "every item is one of the five emotions");
    fuzz::Require(game.state.World.size() == 1, "an event leaves the world alone");
    return 0;
}
