#include "script/event_problem.h"

#include "core/game_state.h"

namespace qm {

EventProblem MissingEvent(const GameState& s, const std::string& name) {
    return {.fault = EventProblem::Fault::Missing,
            .name = name,
            .affection = s.Affection,
            .soloCount = s.SoloCount,
            .slotColour = s.SlotColour,
            .metFairy = s.MetFairy,
            .eventPicture = s.EventPicture};
}

}  // namespace qm
