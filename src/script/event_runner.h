#pragma once
// The event script runner: one step executes the look-ahead line and the
// command lines that follow it, up to the next text line or a line that
// ends the step.

#include <string>

namespace qm {

class Game;

// Executes the next step of the running event. Once the event's file is
// closed (its end, ">rek", ">ing", a chain or a failed start), a step does
// nothing: the finished event is never stepped again.
void StepScript(Game& game);

// Puts the speech box away and stops the text: the event is over.
void EndEvent(Game& game);

}  // namespace qm
