#pragma once
// The register of collected memory pictures and its viewer.

#include <string>

namespace qm {

class Game;

// Shows a memory picture and registers it if it is new, writing the
// register at once; with the empty name it only refreshes the count label.
void LBlIvent_See(Game& game, const std::string& name);

// The player picks a register entry: its picture shows over the scene.
void LstIvent_Click(Game& game, int index);

// A click on the shown picture puts it away.
void PicPhoto_Click(Game& game, int index);

}  // namespace qm
