#include "rules/album_html.h"

#include <cctype>
#include <cstdio>

namespace qm {
namespace {

bool IsUrlSafe(unsigned char c) {
    return std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~' || c == ':';
}

}  // namespace

std::string FileUrlOf(std::string_view path) {
    std::string url = "file://";
    if (!path.starts_with('/')) url += '/';  // a drive letter, as C:/game/
    for (const char c : path) {
        const unsigned char byte = c == '\\' ? '/' : static_cast<unsigned char>(c);
        if (IsUrlSafe(byte)) {
            url += static_cast<char>(byte);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            url += escaped;
        }
    }
    return url;
}

std::string HtmlText(std::string_view text) {
    std::string html;
    for (const char c : text) {
        if (c == '&')
            html += "&amp;";
        else if (c == '<')
            html += "&lt;";
        else if (c == '>')
            html += "&gt;";
        else
            html += c;
    }
    return html;
}

bool IsPlainName(std::string_view name) {
    // A NUL would end the file name early.
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

}  // namespace qm
