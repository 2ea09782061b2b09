#pragma once

#include "engine/TournamentCatalog.h"
#include "platform/DateTime.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tiplark {

// tiplark-report [--schedule] [--] FILE | --help | --version, and the commands
// of ScoreCommand.h and TournamentCommands.h.
// Loads a predictions file with the program's own loader and writes the
// report (or the game schedule) to `out` in UTF-8 with "\n" line ends. Every
// failure is one line on `err` and a non-zero result; nothing reaches `out`
// unless all lines were built. Returns the process exit status.
int runReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                     const DateTimeFormat& dates, const TournamentCatalog& tournaments);

}  // namespace tiplark
