#pragma once

#include <string_view>

namespace tiplark {

// The whole number of a score or penalty text ("02" is 2). A text that is not
// a decimal integer ends the current action with "'%s' is not a valid integer
// value" (throws ActionAborted).
int scoreValue(std::string_view text);

// True for the texts a score box may hold: nothing, or one or two digits.
bool isScoreText(std::string_view text);

}  // namespace tiplark
