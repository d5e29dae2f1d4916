#pragma once
// Conversion between the game's text files (CP932, the Japanese Windows code
// page) and the UTF-8 the program works in.

#include <string>
#include <string_view>

namespace qm {

// Bytes that are not valid CP932 become U+FFFD; never fails.
std::string Cp932ToUtf8(std::string_view bytes);

// True when every byte belongs to a CP932 character, so that nothing would
// be replaced on reading.
bool IsCp932(std::string_view bytes);

// Characters CP932 cannot hold become "?". Returns false if any did.
bool Utf8ToCp932(std::string_view text, std::string& out);

}  // namespace qm
