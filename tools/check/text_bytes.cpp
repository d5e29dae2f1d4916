#include "text_bytes.h"

#include "core/cp932.h"

namespace qm::check {

void CheckTextBytes(const std::string& file, std::string_view bytes, Report& report) {
    int number = 0, firstBadBreak = 0, badBreaks = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && !line.ends_with('\r') && badBreaks++ == 0) firstBadBreak = number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!IsCp932(line)) report.Add({file, number}, "bytes that are not CP932");
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    if (badBreaks > 0)
        report.Add({file, firstBadBreak},
                   "line ends in LF without CR (" + std::to_string(badBreaks) + " such lines in the file)");
}

}  // namespace qm::check
