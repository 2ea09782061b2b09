#pragma once

#include "board/Board.h"
#include "i18n/Preferences.h"
#include "tournament/BoardControls.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace tiplark {

// A preference's kind of value is the type of its field in the target.
enum class ValueKind { Preference, ScorePair, Penalty };

// What a key stands for: a preference, the two score boxes of a match, or
// one penalty box.
using ScoreBoxes = std::array<ControlId, 2>;
using KeyTarget = std::variant<int Preferences::*, bool Preferences::*, double Preferences::*,
                               std::string Preferences::*, ScoreBoxes, ControlId>;

// One key of the predictions file. A preference's default is the value of a
// default-constructed Preferences; integer and real preferences read outside
// [minimum, maximum] take it too, so that no later lookup sees a wild index.
struct PredictionKey {
    std::string section;
    std::string name;
    ValueKind kind;
    KeyTarget target;
    double minimum = 0.0;
    double maximum = 0.0;
    const char* fixedText = nullptr;  // written whatever the value
};

inline constexpr const char* PreferencesSection = "PREFERENCES";

// The keys of PreferencesSection, in write order; Favorite is a team number
// 1..teamCount (0: none).
std::vector<PredictionKey> preferenceKeys(int teamCount);

// Every key of the file, in the order in which SaveAll writes them: the
// preferences, "GROUP A" to "GROUP H", then "FINAL 8" to "FINAL" with each
// match's score pair followed by its two penalty keys.
std::vector<PredictionKey> predictionKeys(const BoardControls& controls, const Tournament& tournament);

}  // namespace tiplark
