#pragma once

#include "tournament/BoardControls.h"

namespace tiplark {

class BoardLayout;

// Whether a board has the 2006 board's shape: eight groups and five rounds,
// no table of third-placed teams.
bool fitsClassicBoard(const BoardControls& controls);
// The 2006 board's one page, in its own coordinates.
void layOutClassicBoard(BoardLayout& layout, const BoardControls& controls);

}  // namespace tiplark
