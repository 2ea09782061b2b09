#pragma once

#include "board/Board.h"
#include "engine/Prediction.h"
#include "storage/PredictionKeys.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

class MainBoard;

// The text one score or penalty box is to hold.
struct BoxText {
    ControlId box;
    std::string text;
};

// Every score and penalty text of a whole prediction, in the order a load
// sets them: per section the score boxes of all its matches, then its
// penalty boxes, so that a level score has shown a match's penalty boxes and
// each round's slots are filled by the previous round before its own boxes.
using BoxTexts = std::vector<BoxText>;

// The value of a key of the predictions file; std::nullopt when absent.
using KeyValues = std::function<std::optional<std::string>(std::string_view section, std::string_view key)>;

// The box texts that the keys' values give. Values a box could not hold by
// typing leave it empty.
BoxTexts readBoxTexts(const std::vector<PredictionKey>& keys, const KeyValues& values);

// A whole prediction of the board's tournament as box texts, in load order:
// the group scores, the level orders ("JPN,SEN"), then the knockout rounds.
BoxTexts predictionBoxTexts(const BoardControls& controls, const Tournament& tournament, const Prediction& prediction);

// The one way a whole prediction reaches the board (load, import, the real
// results): the boxes are set in order and their change events rebuild the
// tables and the bracket, also over a board that holds another prediction.
void setBoxes(Board& board, const BoxTexts& texts);

// True when any group or knockout score box holds text.
bool hasScores(const MainBoard& main);

// Replacing the board's prediction is asked first when there is one to lose:
// true after a Yes, or at once on an empty board.
bool confirmReplaceBoard(MainBoard& main);

}  // namespace tiplark
