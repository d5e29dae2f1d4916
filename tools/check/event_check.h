#pragma once
// Every event the game can start, by its own rules or by a ">ive" line of
// another event: present, not empty, its lines checked; and every memory
// picture the rules promise awarded by some event.

#include "game_folder.h"
#include "report.h"
#include "script_check.h"

namespace qm::check {

Named CheckEvents(GameFolder& folder, Report& report);

}  // namespace qm::check
