#pragma once

#include "document/BoxTexts.h"

namespace tiplark {

class MainBoard;

// File -> "Fill In the Real Results": the real tournament, as its file
// gives it, on the board through the same setBoxes as a load, so the user
// can replay it.
void FillInRealResults(MainBoard& main);

}  // namespace tiplark
