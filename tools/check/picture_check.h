#pragma once
// Every picture the game will load while its folder's marker file is
// there: the scenes the program itself shows, and the scenes, memory
// pictures and faces the events name. The game cannot go without them.

#include "game_folder.h"
#include "report.h"
#include "script_check.h"

namespace qm::check {

void CheckPictures(GameFolder& folder, const Named& named, Report& report);

}  // namespace qm::check
