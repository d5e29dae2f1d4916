#pragma once
// The folder the game writes into: the picture register and the save set in
// its sys/, the albums beside it. That is the program's own folder when the
// game may write there, as in a folder the player unpacked; otherwise (an
// installed game) the player's own folder from the Storage port, with the
// same sys/ inside. The game's data is always read from the program's folder.

#include <string>

namespace qm {

class Game;
struct GameState;

// The program folder's sys/, where the settings are.
std::string ProgramSysFolder(const GameState& s);

// Sets WriteFolder and SysFolder once at start-up, and makes the player's
// folder if it is chosen and missing.
void ChooseWriteFolder(Game& game);

// The sys/ folder to read one of the game's own files from: SysFolder when
// the file is there, else the program's sys/, which may hold the one the
// game folder came with.
std::string SysFolderHolding(const GameState& s, const std::string& name);

}  // namespace qm
