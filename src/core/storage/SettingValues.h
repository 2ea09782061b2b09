#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tiplark {

// The texts of the predictions file's value kinds. Every reader takes the
// value as found in the file (absent: std::nullopt) and never throws: a file
// edited by hand or damaged on disk must still load.

// Decimal, or hexadecimal after "0x"/"0X"; anything else, or a number that
// does not fit 32 bits, gives std::nullopt.
std::optional<int> readInteger(std::string_view text);

// A yes/no value is an integer where anything but 0 means yes.
std::optional<bool> readYesNo(std::string_view text);
std::string writeYesNo(bool value);

// Reals are written with "." whatever the process locale, and read with "."
// or "," so that files written under a comma locale still load. Infinities
// and NaN are not values.
std::optional<double> readReal(std::string_view text);
// Shortest general form with at most 15 significant digits: 0,
// -0.541666666666667, 0.0416666666666667.
std::string writeReal(double value);

// One score pair: the two score boxes of a match joined by a minus sign.
struct ScorePair {
    std::string first;
    std::string second;
};

std::string joinScorePair(std::string_view first, std::string_view second);
// "2-1" -> "2","1"; "2-" -> "2",""; "12" -> "","12"; "1-234" -> "1","23";
// "-" -> "","". The text before the first minus sign goes to the first box,
// at most two characters after it to the second.
ScorePair splitScorePair(std::string_view text);

// What a score or penalty box may receive from the file: a text the box may
// hold (isScoreText); anything else leaves the box empty instead of stopping
// the load.
std::string acceptedScore(std::string_view text);

}  // namespace tiplark
