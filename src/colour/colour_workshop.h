#pragma once
// The colour workshop: three scroll bars mix a colour, three slots hold the
// registered reason colours, a check box over each slot fixes it.

namespace qm {

class Form;
class Game;
struct GameState;

void ColorScl_Change(Game& game, int index);
// A drag explains the bars even outside help mode; the label only shows in
// help mode.
void ColorScl_Scroll(Game& game, int index);
void ColorPic_Click(Game& game, int index);
void ColorChk_Click(Game& game, int index);

// Register (5 points), clear (1) or go out (10). The text stops first: a
// new colour is how the player skips an event.
void ColorCom_Click(Game& game, int index);

// Empties every unfixed slot, puts the scroll bars back to 1 and the
// preview to the window colour, and selects the first free slot.
void ClearColours(Game& game);

// Marks slot n (1..3), passing over fixed slots.
void SelectSlot(Game& game, int n);

// The preview and the three slots, the selected one framed.
void ShowWorkshop(const GameState& state, Form& form);

}  // namespace qm
