#include "event_rules.h"

namespace qm::check {
namespace {

constexpr int kFairies = 8;
// The black fairy never comes alone, so it has no solo events.
constexpr int kSoloFairies = 7;
constexpr int kSoloSteps = 5;

// Three different fairies meet the player: their digits in ascending order
// name the event and the memory picture it awards.
void AddGroupEvents(std::vector<RuleEvent>& events) {
    for (int a = 0; a < kFairies; ++a)
        for (int b = a + 1; b < kFairies; ++b)
            for (int c = b + 1; c < kFairies; ++c) {
                const std::string name = std::to_string(a) + std::to_string(b) + std::to_string(c);
                events.push_back({name, EventKind::Group, name});
            }
}

// The same fairy three times: its digit three times and the step 0 to 4.
void AddSoloEvents(std::vector<RuleEvent>& events) {
    for (int f = 0; f < kSoloFairies; ++f)
        for (int step = 0; step < kSoloSteps; ++step)
            events.push_back({std::string(3, static_cast<char>('0' + f)) + std::to_string(step), EventKind::Solo, ""});
}

// The ending branch starts the ending of the fairy who loves the player
// most, holding the memory picture of the same name.
void AddFairyEndings(std::vector<RuleEvent>& events) {
    for (int f = 0; f < kFairies; ++f) {
        const std::string name = "end" + std::to_string(f);
        events.push_back({name, EventKind::FairyEnding, name});
    }
}

}  // namespace

std::string Describe(EventKind kind) {
    // In the order of EventKind.
    constexpr const char* kDescriptions[] = {"opening event", "help walkthrough", "ending event", "group event",
                                             "solo event",    "fairy ending",     "chained event"};
    return kDescriptions[static_cast<int>(kind)];
}

std::vector<RuleEvent> EventsTheRulesStart() {
    std::vector<RuleEvent> events = {
        {"opn", EventKind::Opening, ""}, {"help", EventKind::Help, ""}, {"end", EventKind::LastDay, ""}};
    AddGroupEvents(events);
    AddSoloEvents(events);
    AddFairyEndings(events);
    return events;
}

}  // namespace qm::check
