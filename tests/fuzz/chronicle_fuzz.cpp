// The chronicle on any world lists, even four columns of different lengths
// and counts or races that are not numbers.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "core/cp932.h"
#include "core/random_source.h"
#include "fuzz_folder.h"
#include "ui/form.h"
#include "world/chronicle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    FuzzedDataProvider input(data, size);
    Form form;
    for (Control& column : form.LstWorldItem)
        for (const std::string& row : fuzz::RawLines(input.ConsumeRandomLengthString(2048)))
            column.list.push_back(Cp932ToUtf8(row));
    RandomSource random;
    random.Seed(input.ConsumeIntegral<std::uint32_t>());
    const std::string text = ComposeChronicle(WorldPartsOf(form), random);
    fuzz::Require(!text.empty(), "a chronicle always tells something");
    return 0;
}
