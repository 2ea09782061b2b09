#include "scoring/RealResults.h"

#include "document/MainBoard.h"
#include "document/UndoHistory.h"
#include "storage/PredictionKeys.h"


namespace tiplark {
namespace {

struct RealValue {
    const char* section;
    const char* key;
    const char* value;
};

constexpr RealValue RealValues[] = {
    {"GROUP A", "Game1", "4-2"}, {"GROUP A", "Game2", "0-2"}, {"GROUP A", "Game3", "1-0"},
    {"GROUP A", "Game4", "3-0"}, {"GROUP A", "Game5", "0-3"}, {"GROUP A", "Game6", "1-2"},
    {"GROUP B", "Game1", "1-0"}, {"GROUP B", "Game2", "0-0"}, {"GROUP B", "Game3", "2-0"},
    {"GROUP B", "Game4", "1-0"}, {"GROUP B", "Game5", "2-2"}, {"GROUP B", "Game6", "2-0"},
    {"GROUP C", "Game1", "2-1"}, {"GROUP C", "Game2", "0-1"}, {"GROUP C", "Game3", "6-0"},
    {"GROUP C", "Game4", "2-1"}, {"GROUP C", "Game5", "0-0"}, {"GROUP C", "Game6", "3-2"},
    {"GROUP D", "Game1", "3-1"}, {"GROUP D", "Game2", "0-1"}, {"GROUP D", "Game3", "0-0"},
    {"GROUP D", "Game4", "2-0"}, {"GROUP D", "Game5", "2-1"}, {"GROUP D", "Game6", "1-1"},
    {"GROUP E", "Game1", "2-0"}, {"GROUP E", "Game2", "0-3"}, {"GROUP E", "Game3", "1-1"},
    {"GROUP E", "Game4", "0-2"}, {"GROUP E", "Game5", "0-2"}, {"GROUP E", "Game6", "2-1"},
    {"GROUP F", "Game1", "1-0"}, {"GROUP F", "Game2", "3-1"}, {"GROUP F", "Game3", "2-0"},
    {"GROUP F", "Game4", "0-0"}, {"GROUP F", "Game5", "1-4"}, {"GROUP F", "Game6", "2-2"},
    {"GROUP G", "Game1", "0-0"}, {"GROUP G", "Game2", "2-1"}, {"GROUP G", "Game3", "1-1"},
    {"GROUP G", "Game4", "0-2"}, {"GROUP G", "Game5", "0-2"}, {"GROUP G", "Game6", "2-0"},
    {"GROUP H", "Game1", "4-0"}, {"GROUP H", "Game2", "2-2"}, {"GROUP H", "Game3", "3-1"},
    {"GROUP H", "Game4", "0-4"}, {"GROUP H", "Game5", "0-1"}, {"GROUP H", "Game6", "1-0"},
    // Germany-Sweden, Argentina-Mexico, England-Ecuador, Portugal-Netherlands,
    // Italy-Australia, Switzerland-Ukraine, Brazil-Ghana, Spain-France.
    {"FINAL 8", "Game1", "2-0"}, {"FINAL 8", "Game2", "2-1"}, {"FINAL 8", "Game3", "1-0"},
    {"FINAL 8", "Game4", "1-0"}, {"FINAL 8", "Game5", "1-0"}, {"FINAL 8", "Game6", "0-0"},
    {"FINAL 8", "Game6Apk", "0"}, {"FINAL 8", "Game6Bpk", "3"}, {"FINAL 8", "Game7", "3-0"},
    {"FINAL 8", "Game8", "1-3"},
    // Germany-Argentina, Italy-Ukraine, England-Portugal, Brazil-France.
    {"FINAL 4", "Game1", "1-1"}, {"FINAL 4", "Game1Apk", "4"}, {"FINAL 4", "Game1Bpk", "2"},
    {"FINAL 4", "Game2", "3-0"}, {"FINAL 4", "Game3", "0-0"}, {"FINAL 4", "Game3Apk", "1"},
    {"FINAL 4", "Game3Bpk", "3"}, {"FINAL 4", "Game4", "0-1"},
    // Germany-Italy, Portugal-France; Germany-Portugal; Italy-France.
    {"FINAL 2", "Game1", "0-2"}, {"FINAL 2", "Game2", "0-1"},
    {"THIRD", "Game1", "3-1"},
    {"FINAL", "Game1", "1-1"}, {"FINAL", "Game1Apk", "5"}, {"FINAL", "Game1Bpk", "3"},
};

}  // namespace

std::optional<std::string> realResultValue(std::string_view section, std::string_view key)
{
    for (const RealValue& value : RealValues) {
        if (section == value.section && key == value.key)
            return value.value;
    }
    return std::nullopt;
}

BoxTexts realResultBoxes(const BoardControls& controls)
{
    return readBoxTexts(predictionKeys(controls), realResultValue);
}

void FillInRealResults(MainBoard& main)
{
    const UserStep step(main.history());
    setBoxes(main.board(), realResultBoxes(main.controls()));
}

}  // namespace tiplark
