#pragma once
// Pieces of the album page that hold names and paths.

#include <string>
#include <string_view>

namespace qm {

// A file path as a file URL that any browser resolves: separators as "/",
// and every byte outside the plain URL characters percent-encoded (so a
// quote or "&" in a name cannot break out of the attribute either).
std::string FileUrlOf(std::string_view path);

// Text shown as it stands: "&", "<" and ">" as their character references.
std::string HtmlText(std::string_view text);

// A name that can be part of a file name without leaving its folder.
bool IsPlainName(std::string_view name);

}  // namespace qm
