#pragma once

#include "document/BoxTexts.h"
#include "tournament/BoardControls.h"

#include <optional>
#include <string>
#include <string_view>

namespace tiplark {

class MainBoard;

// The real 2006 tournament as the predictions file would hold it: the value
// of a key ("GROUP A", "Game1" gives "4-2"); scores after extra time, a
// shoot-out in the penalty keys. std::nullopt for a key it does not know.
std::optional<std::string> realResultValue(std::string_view section, std::string_view key);

// The real results as the texts of the board's boxes, in load order.
BoxTexts realResultBoxes(const BoardControls& controls);

// File -> "Fill In the Real Results": the real tournament on the board,
// through the same setBoxes as a load, so the user can replay 2006.
void FillInRealResults(MainBoard& main);

}  // namespace tiplark
