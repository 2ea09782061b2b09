#include "document/TournamentFileFormat.h"

#include "document/MainBoard.h"
#include "document/TournamentPredictionsFile.h"

#include <algorithm>

namespace tiplark {
namespace {

bool holdsScores(const Prediction& prediction)
{
    const auto set = [](const MatchScore& score) { return !score.empty(); };
    return std::any_of(prediction.group.begin(), prediction.group.end(), set)
        || std::any_of(prediction.knockout.begin(), prediction.knockout.end(), set);
}

}  // namespace

int boardFavorite(const Tournament& tournament, const std::string& code)
{
    return code.empty() ? 0 : std::max(0, tournament.teamIndex(code) + 1);
}

std::string fileFavorite(const Tournament& tournament, int favoriteIndex)
{
    const auto team = static_cast<size_t>(favoriteIndex - 1);
    return favoriteIndex > 0 && team < tournament.teams.size() ? tournament.teams[team].code : std::string();
}

PredictionRead TournamentFileFormat::read(const MainBoard& main, const SettingsFile& file) const
{
    const Tournament& tournament = main.tournament();
    const TournamentPredictions predictions = readTournamentPredictions(tournament, file);
    PredictionRead read{predictions.preferences, predictionBoxTexts(main.controls(), tournament, predictions.prediction),
                        holdsScores(predictions.prediction)};
    Preferences& preferences = read.preferences;
    preferences.favoriteIndex = boardFavorite(tournament, preferences.favoriteTeam);
    preferences.favoriteTeam.clear();
    preferences.teamNamesPending = preferences.firstRun;
    return read;
}

std::vector<SectionValues> TournamentFileFormat::sections(const MainBoard& main) const
{
    const Tournament& tournament = main.tournament();
    TournamentPredictions predictions{main.rules().play().prediction(), main.preferences(), {}};
    predictions.preferences.favoriteTeam = fileFavorite(tournament, main.preferences().favoriteIndex);
    return tournamentSections(tournament, predictions);
}

std::vector<SectionValues> TournamentFileFormat::loadedValues(const MainBoard& main, const SettingsFile& file) const
{
    return readTournamentPredictions(main.tournament(), file).asLoaded;
}

}  // namespace tiplark
