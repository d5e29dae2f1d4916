#pragma once
// The events the game starts by its own rules, whatever the scripts say:
// the title screen, the menu, the ending, every outing and every fairy
// ending.

#include <string>
#include <vector>

namespace qm::check {

// Which rule starts an event; a ">ive" line of another event starts a
// chained one.
enum class EventKind { Opening, Help, LastDay, Group, Solo, FairyEnding, Chained };

// For the player's eyes: "group event", "fairy ending", ...
std::string Describe(EventKind kind);

struct RuleEvent {
    std::string name;
    EventKind kind;
    // The memory picture the event holds from its start, awarded at its end
    // or by a ">nex" line alone; empty for none.
    std::string picture;
};

// "opn", "help", "end"; the 56 group events "012" … "567"; the 35 solo
// events "0000" … "6664"; the fairy endings "end0" … "end7".
std::vector<RuleEvent> EventsTheRulesStart();

}  // namespace qm::check
