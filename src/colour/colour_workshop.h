#pragma once
// The colour workshop: three scroll bars mix a colour, three slots hold the
// registered reason colours, a check box over each slot fixes it.

namespace qm {

class Game;

void ColorScl_Change(Game& game, int index);

// Empties every unfixed slot, puts the scroll bars back to 1 and the
// preview to the window colour, and selects the first free slot.
void ClearColours(Game& game);

// Marks slot n (1..3), passing over fixed slots.
void SelectSlot(Game& game, int n);

}  // namespace qm
