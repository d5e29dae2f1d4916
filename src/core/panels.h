#pragma once
// Which panels of the screen show: the title, the command panel, the three
// tool panels, the memory picture and the ending.

namespace qm {

class Form;
struct GameState;

void ShowPanels(const GameState& state, Form& form);

}  // namespace qm
