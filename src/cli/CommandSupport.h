#pragma once

#include "document/PredictionsFile.h"

#include <iosfwd>
#include <string_view>

namespace tiplark {

inline constexpr const char* Program = "tiplark-report";

enum class ExitStatus { Ok = 0, Failure = 1, Usage = 2 };

// One line on `err` about a file, its name in printable form.
void reportFileProblem(std::ostream& err, std::string_view file, std::string_view problem);

// A predictions file that was not loaded, said as the program says it.
void reportLoadFailure(std::ostream& err, std::string_view file, PredictionsLoad load);

// Flushes `out`; output that could not be written (a full disk, a closed
// pipe) turns any status into a failure, said on `err`.
int finishOutput(std::ostream& out, std::ostream& err, ExitStatus status);

}  // namespace tiplark
