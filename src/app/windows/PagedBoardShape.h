#pragma once

#include "engine/Tournament.h"
#include "tournament/BoardControls.h"

namespace tiplark {

class BoardLayout;

// A board of any size on two pages of a laptop's screen: the groups, each a
// card of its matches (one line each, "Team [s]–[s] Team") above its table,
// four to a row; and the knockout, each round a column with its matches
// level with the two they take their teams from, the final, the match for
// third place, the champion and the table of third-placed teams beside it.
void layOutPagedBoard(BoardLayout& layout, const BoardControls& controls, const Tournament& tournament);

}  // namespace tiplark
