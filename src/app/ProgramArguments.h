#pragma once

#include <iosfwd>
#include <optional>

namespace tiplark {

// Answers --help and --version before any window exists, so both work
// without a display (packaging tools and `man` readers call them). Any other
// argument is left to Qt. Returns the exit status when the program should
// end: 1 when the answer could not be written to `out` (said on `err`).
std::optional<int> answerInformationArguments(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

}  // namespace tiplark
