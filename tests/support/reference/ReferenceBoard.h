#pragma once

#include "TournamentFiles.h"
#include "board/Board.h"
#include "i18n/Language.h"
#include "reference/GroupStage.h"
#include "reference/Knockout.h"
#include "tournament/BoardControls.h"
#include "tournament/Highlighter.h"

namespace tiplark::testing {

// The 2006 board with the 2006 program's own rules bound to its boxes: the
// second implementation the engine's board is checked against.
struct ReferenceBoard {
    Board board;
    BoardControls controls = buildBoard(board, worldCup2006());
    Language language{worldCup2006()};
    Highlighter highlighter{board, language};
    GroupStage groupStage{board, controls, language, highlighter};
    Knockout knockout{board, controls, highlighter};
};

}  // namespace tiplark::testing
