#pragma once

#include "engine/Tournament.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace tiplark {

// A tournament file that cannot be played: the message names the file, the
// field and the reason ("worldcup-2030.json: matches[73].sides[1]: \"W99\"
// names no knockout match").
class TournamentFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a tournament file (docs/TOURNAMENT-FORMAT.md) and checks everything
// the engine relies on. `fileName` only names the file in messages.
Tournament parseTournament(std::string_view json, const std::string& fileName);
// The same from a file on disk.
Tournament loadTournamentFile(const std::string& path);

}  // namespace tiplark
