#pragma once

#include <string>

namespace tiplark {

// The diagnostic trace is compiled in but switched off in the delivered
// program: with TraceEnabled false no trace file is ever created.
inline constexpr bool TraceEnabled = false;

// Where the trace goes when switched on: "aaatrace.log" in the build folder.
std::string traceFilePath();

// StartTrace creates or overwrites the trace file with a "START TRACE - "
// line; EndTrace adds "END TRACE - " and closes it. Both stamp the current
// date and time in the system's format, and do nothing while switched off.
void StartTrace();
void EndTrace();

}  // namespace tiplark
