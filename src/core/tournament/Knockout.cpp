#include "tournament/Knockout.h"

#include "tournament/Highlighter.h"

namespace tiplark {

Knockout::Knockout(Board& board, const BoardControls& controls, Highlighter& highlighter)
    : m_board(board)
    , m_controls(controls)
    , m_highlighter(highlighter)
{
}

}  // namespace tiplark
