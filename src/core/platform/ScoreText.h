#pragma once

#include <optional>
#include <string_view>

namespace tiplark {

// The one rule of what a score or penalty box holds, asked by the box's key
// filter and validator, the board's length limit, the predictions file's
// reader and every reader of a score.

// The most characters a score or penalty box holds: scores run 0 to 99.
inline constexpr int ScoreLength = 2;

// True for the characters of a score: the decimal digits "0" to "9".
bool isScoreDigit(char32_t character);

// True for the texts a score box may hold: nothing, or one to ScoreLength digits.
bool isScoreText(std::string_view text);

// The whole number of a score or penalty text ("02" is 2); nothing for a
// text that is not a decimal integer.
std::optional<int> scoreNumber(std::string_view text);

// scoreNumber for the rules, where a text that is not a decimal integer ends
// the current action with "'%s' is not a valid integer value" (throws
// ActionAborted).
int scoreValue(std::string_view text);

}  // namespace tiplark
