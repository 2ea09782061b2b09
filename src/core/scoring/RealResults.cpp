#include "scoring/RealResults.h"

#include "document/MainBoard.h"
#include "document/UndoHistory.h"

namespace tiplark {

void FillInRealResults(MainBoard& main)
{
    const UserStep step(main.history());
    const Tournament& tournament = main.tournament();
    setBoxes(main.board(), predictionBoxTexts(main.controls(), tournament, Prediction::real(tournament)));
}

}  // namespace tiplark
