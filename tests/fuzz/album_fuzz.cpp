// The album writer on any template, register and event text: it writes
// one album inside the game folder or nothing, and every "<" in it opens
// one of the album's own tags, so no text or name becomes markup.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/cp932.h"
#include "fuzz_folder.h"
#include "pictures/album.h"
#include "pictures/picture_viewer.h"
#include "unit/fake_game.h"

namespace {

// A template whose own lines hold no markup, so that any in the album
// comes from the album writer.
std::string Template(FuzzedDataProvider& input) {
    std::string bytes;
    for (std::string line : qm::fuzz::RawLines(input.ConsumeRandomLengthString(4096))) {
        std::erase_if(line, [](char c) { return c == '<' || c == '>'; });
        bytes += (input.ConsumeBool() ? "<SYASIN>" : line) + "\r\n";
    }
    return bytes;
}

bool OnlyAlbumTags(const std::string& page) {
    static const std::string tags[] = {"<hr>", "<img src=\"", "<Br clear=all>", "<BR>", "<B>", "</b>"};
    for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1))
        if (std::none_of(std::begin(tags), std::end(tags),
                         [&](const std::string& tag) { return page.compare(at, tag.size(), tag) == 0; }))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    FuzzedDataProvider input(data, size);
    const auto folder = fuzz::FreshGameFolder();
    testing::FakeGame fake{Utf8Of(folder)};
    Game& game = fake.game;
    GameState& s = game.state;
    s.AppFolder = s.WriteFolder = Utf8Of(folder) + "/";
    s.ImgFolder = s.AppFolder + "img/";
    s.FaceFolder = s.AppFolder + "face/";
    s.TxtFolder = s.AppFolder + "txt/";
    s.TextExt = ".txt";
    s.PictureExt = ".png";

    fuzz::WriteBytes(folder / "txt" / "arub.txt", Template(input));
    const std::string event = input.ConsumeRandomLengthString(4096);
    for (const std::string& name : fuzz::RawLines(input.ConsumeRandomLengthString(1024)))
        s.PictureRegister.Edit().push_back(Cp932ToUtf8(name));
    const AlbumKind kind = input.ConsumeBool() ? AlbumKind::OnePicture : AlbumKind::Full;
    if (!s.PictureRegister.empty())
        game.form.LstIvent.listIndex = input.ConsumeIntegralInRange<int>(0, s.PictureRegister.size() - 1);
    const std::string chosen = ChosenPicture(game);
    std::string chosenBytes;
    Utf8ToCp932(chosen, chosenBytes);
    if (!chosen.empty() && chosenBytes.find_first_of(std::string("/\0", 2)) == std::string::npos)
        fuzz::WriteBytes(folder / "txt" / (chosenBytes + ".txt"), event);

    const bool written = !WriteAlbum(game, kind).problem;
    std::size_t albums = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_directory()) continue;
        ++albums;
        fuzz::Require(OnlyAlbumTags(Cp932ToUtf8(fuzz::ReadBytes(entry.path()))), "no text or name becomes markup");
    }
    fuzz::Require(albums == (written ? 1u : 0u), "one album in the game folder, or none");
    return 0;
}
