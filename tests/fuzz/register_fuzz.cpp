// The picture register on any bytes: the game starts with it, and shuts
// down writing it back line for line, byte for byte.

#include <cstddef>
#include <cstdint>

#include "core/lifecycle.h"
#include "fuzz_folder.h"
#include "unit/fake_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto folder = fuzz::FreshGameFolder();
    fuzz::WriteBytes(folder / "sys" / "system.dat", ".txt\r\n.png\r\n\r\n1\r\n");
    fuzz::WriteBytes(folder / "txt" / "end.txt", "end\r\n");
    fuzz::WriteBytes(folder / "sys" / "lstphoto.dat", bytes);

    testing::FakeGame fake{Utf8Of(folder)};
    Form_Load(fake.game);
    fuzz::Require(fake.game.state.PictureRegister.size() == fuzz::RawLines(bytes).size(), "one entry a line");
    Form_Unload(fake.game);
    fuzz::Require(fuzz::ReadBytes(folder / "sys" / "lstphoto.dat") == fuzz::AsWritten(fuzz::RawLines(bytes)),
                  "the register comes back as it was read");
    return 0;
}
