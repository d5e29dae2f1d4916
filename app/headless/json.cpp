#include "json.h"

#include <charconv>
#include <cmath>

namespace qm::headless {

std::string Json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string Json(const char* text) { return Json(std::string_view(text)); }

std::string Json(bool value) { return value ? "true" : "false"; }

std::string Json(int value) { return std::to_string(value); }

std::string Json(double value) {
    if (value == std::floor(value) && std::abs(value) < 1e15) return std::to_string(static_cast<long long>(value));
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Json(const std::vector<std::string>& texts) { return JsonArray(texts); }

}  // namespace qm::headless
