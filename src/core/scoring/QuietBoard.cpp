#include "scoring/QuietBoard.h"

namespace tiplark {

QuietBoard::QuietBoard(const Tournament& tournament)
    : main(Services{m_silence, m_silence, m_dates}, tournament)
{
}

}  // namespace tiplark
