#pragma once
// Conversion between the game's text files (CP932, the Japanese Windows code
// page) and the UTF-8 the program works in.

#include <string>
#include <string_view>

namespace qm {

// Never fails. What CP932 cannot read as text, and the bytes of a character
// that CP932 would write differently (it has some twice), become stand-ins
// that Utf8ToCp932 writes back as the same bytes: reading and writing again
// gives back every line byte for byte.
std::string Cp932ToUtf8(std::string_view bytes);

// True when every byte belongs to a CP932 character, so that nothing would
// be replaced on reading.
bool IsCp932(std::string_view bytes);

// Characters CP932 cannot hold become "?". Returns false if any did.
// Stand-ins become the bytes they stand for.
bool Utf8ToCp932(std::string_view text, std::string& out);

}  // namespace qm
