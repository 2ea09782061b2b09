#include "engine/TournamentFolders.h"

namespace tiplark {

std::vector<std::string> tournamentFolders(const std::string& programFolder)
{
    return {
        programFolder + "tournaments",
        programFolder + TIPLARK_DATA_DIR_FROM_BIN "/tournaments",
        TIPLARK_DATA_DIR "/tournaments",
    };
}

}  // namespace tiplark
