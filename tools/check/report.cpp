#include "report.h"

#include "rules/script_lines.h"

namespace qm::check {
namespace {

std::string Found(const char* kind, const std::optional<int>& count, const char* marker) {
    if (!count) return std::string(kind) + " off (no " + marker + ")";
    return std::string(kind) + " " + std::to_string(*count);
}

void PrintSummary(const Tally& t, std::ostream& out) {
    out << "events: " << t.events << ", lines: " << t.lines << "\n";
    out << "items:";
    for (std::size_t e = 0; e < t.items.size(); ++e) out << (e ? ", " : " ") << kEmotionNames[e] << " " << t.items[e];
    out << "\npictures found: " << Found("scenes", t.scenes, "img/dmy") << ", "
        << Found("memory pictures", t.memoryPictures, "img/dmy") << ", " << Found("faces", t.faces, "face/dmy") << "\n";
}

}  // namespace

void Report::Add(const Place& where, const std::string& what) {
    const std::string line = where.line > 0 ? ":" + std::to_string(where.line) : "";
    problems.push_back(where.file + line + ": " + what);
}

void Print(const Report& report, std::ostream& out) {
    for (const std::string& problem : report.problems) out << problem << "\n";
    if (report.tally) PrintSummary(*report.tally, out);
    out << "problems: " << report.problems.size() << "\n";
}

}  // namespace qm::check
