// The chronicle on any world a save may hold: four columns of any text,
// counts and races that are not numbers.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "core/cp932.h"
#include "core/random_source.h"
#include "fuzz_folder.h"
#include "world/chronicle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    FuzzedDataProvider input(data, size);
    std::vector<WorldPart> world;
    while (input.remaining_bytes() > 0) {
        WorldColumns columns;
        for (std::string& column : columns) column = Cp932ToUtf8(input.ConsumeRandomLengthString(64));
        world.push_back(WorldPartOf(columns));
    }
    RandomSource random;
    random.Seed(static_cast<std::uint32_t>(world.size()));
    const std::string text = ComposeChronicle(world, random);
    fuzz::Require(!text.empty(), "a chronicle always tells something");
    return 0;
}
