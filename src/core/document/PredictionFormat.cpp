#include "document/PredictionFormat.h"

#include "document/BoardKeysFormat.h"
#include "document/TournamentFileFormat.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentFolders.h"

namespace tiplark {

const PredictionFormat& predictionFormat(const Tournament& tournament)
{
    static const BoardKeysFormat boardKeys;
    static const TournamentFileFormat tournamentFile;
    if (tournament.id == DefaultTournamentId)
        return boardKeys;
    return tournamentFile;
}

std::string predictionsFileTournamentId(const SettingsFile& file)
{
    return predictionsTournamentId(file).value_or(std::string(DefaultTournamentId));
}

}  // namespace tiplark
