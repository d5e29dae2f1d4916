// The save loader on any four files, with or without the leftovers of a
// save that was cut short: a load either refuses and changes nothing, or
// loads, and then a save writes the lists back byte for byte.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "core/save_slot.h"
#include "fuzz_folder.h"
#include "unit/fake_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    FuzzedDataProvider input(data, size);
    const auto folder = fuzz::FreshGameFolder();
    const auto sys = folder / "sys";
    std::string files[4];
    const char* names[4] = {"all.dat", "lstkan.dat", "lstitem.dat", "lstworld.dat"};
    for (int i = 0; i < 4; ++i) {
        files[i] = input.ConsumeRandomLengthString(1 << 16);
        if (input.ConsumeBool() || i == 0) fuzz::WriteBytes(sys / names[i], files[i]);
    }
    // A save cut short: some new files, with or without its commit file.
    const bool committed = input.ConsumeBool();
    if (input.ConsumeBool()) {
        fuzz::WriteBytes(sys / "lstkan.dat.new", input.ConsumeRandomLengthString(256));
        if (committed) fuzz::WriteBytes(sys / "save.commit", "lstkan.dat\r\n");
    }

    testing::FakeGame fake{Utf8Of(folder)};
    Game& game = fake.game;
    game.state.AppFolder = game.state.WriteFolder = Utf8Of(folder) + "/";
    game.state.SysFolder = Utf8Of(sys) + "/";
    game.state.Items = {ItemOfRow("before")};
    LoadGame(game);
    const std::string& said = fake.dialogs.messages.back();
    if (said != "Load　OK") {
        fuzz::Require(said.starts_with("ロードできませんでした。"), "a refused load says so");
        fuzz::Require(game.state.Items.size() == 1 && game.state.Items[0].row == "before",
                      "a refused load changes nothing");
        return 0;
    }
    const std::string kan = fuzz::ReadBytes(sys / "lstkan.dat"), item = fuzz::ReadBytes(sys / "lstitem.dat");
    SaveGame(game);
    fuzz::Require(fake.dialogs.messages.back() == "SAVE　OK", "a loaded game saves");
    fuzz::Require(fuzz::ReadBytes(sys / "lstkan.dat") == fuzz::AsWritten(fuzz::RawLines(kan)), "items come back");
    fuzz::Require(fuzz::ReadBytes(sys / "lstitem.dat") == fuzz::AsWritten(fuzz::RawLines(item)), "the dish comes back");
    for (const char* name : {"save.commit", "lstkan.dat.new", "lstkan.dat.old"})
        fuzz::Require(!std::filesystem::exists(sys / name), "a finished save leaves nothing behind");
    return 0;
}
