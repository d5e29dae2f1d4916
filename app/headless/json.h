#pragma once
// The driver's value format: JSON with only \r \n \t \" \\ escaped, so
// Japanese text stays readable as raw UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace qm::headless {

std::string Json(std::string_view text);
std::string Json(const char* text);
std::string Json(bool value);
std::string Json(int value);
std::string Json(double value);  // whole numbers without a fraction
std::string Json(const std::vector<std::string>& texts);

template <typename Row>
std::string JsonArray(const Row& row) {
    std::string out = "[";
    for (const auto& item : row) out += (out.size() > 1 ? "," : "") + Json(item);
    return out + "]";
}

}  // namespace qm::headless
