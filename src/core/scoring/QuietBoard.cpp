#include "scoring/QuietBoard.h"

namespace tiplark {

QuietBoard::QuietBoard()
    : main(Services{m_silence, m_silence, m_dates})
{
}

}  // namespace tiplark
