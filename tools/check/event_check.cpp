#include "event_check.h"

#include <set>

#include "event_rules.h"
#include "house_rules.h"

namespace qm::check {
namespace {

// How the game fares when it starts an event.
enum class Start { Runs, Missing, Empty };

Start CheckEvent(GameFolder& folder, const std::string& name, EventKind kind, const std::string& picture,
                 Report& report, Named& named) {
    const std::string file = folder.TextFile(name);
    const auto lines = folder.ReadText(file, report);
    if (!lines) return Start::Missing;
    if (lines->empty()) return Start::Empty;
    CheckScript(file, *lines, picture, report, named);
    CheckHouseRules(file, *lines, kind, report);
    return Start::Runs;
}

// A chained event starts without a memory picture: the chain drops it.
void CheckChainedEvents(GameFolder& folder, std::set<std::string>& read, Report& report, Named& named) {
    // Checking an event may add chains, so the list grows under the loop.
    for (std::size_t i = 0; i < named.chains.size(); ++i) {
        const auto [name, place] = named.chains[i];
        if (!read.insert(name).second) continue;
        const Start start = CheckEvent(folder, name, EventKind::Chained, "", report, named);
        if (start == Start::Missing) report.Add(place, ">ive names a missing event: " + folder.TextFile(name));
        if (start == Start::Empty) report.Add(place, ">ive names an empty event: " + folder.TextFile(name));
    }
}

}  // namespace

Named CheckEvents(GameFolder& folder, Report& report) {
    Named named;
    std::set<std::string> read;
    std::vector<RuleEvent> promising;  // present, and holding a memory picture
    for (const RuleEvent& event : EventsTheRulesStart()) {
        read.insert(event.name);
        const std::string file = folder.TextFile(event.name);
        const Start start = CheckEvent(folder, event.name, event.kind, event.picture, report, named);
        if (start == Start::Missing) report.Add({file}, "missing " + Describe(event.kind));
        if (start == Start::Empty) report.Add({file}, "empty " + Describe(event.kind));
        if (start == Start::Runs && !event.picture.empty()) promising.push_back(event);
    }
    CheckChainedEvents(folder, read, report, named);
    for (const RuleEvent& event : promising)
        if (!named.memoryPictures.contains(event.picture))
            report.Add({folder.TextFile(event.name)}, "never awards its memory picture " + event.picture);
    return named;
}

}  // namespace qm::check
