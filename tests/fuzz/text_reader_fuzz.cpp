// The CP932 reader and the line reader on any bytes: every line reads as
// valid UTF-8 and is written back byte for byte.

#include <cstddef>
#include <cstdint>

#include "core/cp932.h"
#include "core/text_files.h"
#include "fuzz_folder.h"

namespace {

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i)
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
        at += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string text = Cp932ToUtf8(bytes);
    std::string again;
    Utf8ToCp932(text, again);
    fuzz::Require(IsUtf8(text), "what the reader gives is UTF-8");
    fuzz::Require(again == bytes, "the bytes come back as they were read");

    const auto folder = fuzz::FreshGameFolder();
    fuzz::WriteBytes(folder / "lines.txt", bytes);
    TextFiles files;
    const auto lines = ReadLines(files, 1, Utf8Of(folder / "lines.txt"));
    fuzz::Require(lines.has_value(), "a file that exists opens");
    const auto raw = fuzz::RawLines(bytes);
    fuzz::Require(lines->size() == raw.size(), "as many lines as line breaks say");
    for (std::size_t i = 0; i < raw.size(); ++i) {
        Utf8ToCp932((*lines)[i], again);
        fuzz::Require(again == raw[i], "each line comes back as it was read");
    }
    return 0;
}
