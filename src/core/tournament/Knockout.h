#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"

namespace tiplark {

class Highlighter;

// The bracket from the round of 16 to the final and the third-place match.
// Binds GroupStageChange, ThirdChange and FinalChange to their boxes when
// constructed; every match is re-derived from its boxes on each change.
class Knockout {
public:
    Knockout(Board& board, const BoardControls& controls, Highlighter& highlighter);

private:
    Board& m_board;
    const BoardControls& m_controls;
    Highlighter& m_highlighter;
};

}  // namespace tiplark
