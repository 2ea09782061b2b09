#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

// The tournament the program opens for a user who never chooses another;
// its predictions are kept in "Tiplark.ini", in that file's own sections.
inline constexpr std::string_view DefaultTournamentId = "worldcup-2006";

// Where a program finds its tournament files, first found first: the folder
// "tournaments" beside the program (a build tree, an unpacked copy), then the
// installed data folder as seen from the program's folder (a moved
// installation), then the data folder it was installed to. `programFolder`
// ends in a path separator.
std::vector<std::string> tournamentFolders(const std::string& programFolder);

}  // namespace tiplark
