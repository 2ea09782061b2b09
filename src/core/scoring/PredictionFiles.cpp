#include "scoring/PredictionFiles.h"

#include "document/TournamentPredictionsFile.h"
#include "i18n/LanguageTables.h"
#include "scoring/QuietBoard.h"
#include "scoring/RealResults.h"
#include "tournament/TournamentMap.h"

#include <stdexcept>

namespace tiplark {

const Tournament& catalogTournament(const TournamentCatalog& catalog, const std::string& id)
{
    if (const Tournament* tournament = catalog.find(id))
        return *tournament;
    throw std::runtime_error(fillIn(languageText(LanguageEnglish, "tournament.missing"), id));
}

FilePrediction readFilePrediction(const TournamentCatalog& catalog, const std::string& path)
{
    FilePrediction read;
    SettingsFile file;
    switch (file.load(path)) {
    case SettingsFileState::Missing:
        read.load = PredictionsLoad::Missing;
        return read;
    case SettingsFileState::Unreadable:
        read.load = PredictionsLoad::Unreadable;
        return read;
    case SettingsFileState::Loaded:
        break;
    }
    if (const Tournament* tournament = predictionsTournament(catalog, file)) {
        TournamentPredictions predictions = readTournamentPredictions(*tournament, file);
        read.tournament = tournament;
        read.prediction = std::move(predictions.prediction);
        read.preferences = predictions.preferences;
        return read;
    }
    read.tournament = &catalogTournament(catalog, BoardTournamentId);
    read.boardFile = true;
    QuietBoard quiet;
    read.load = LoadPredictions(quiet.main, path);
    if (read.loaded()) {
        read.prediction = TournamentMap(*read.tournament, quiet.main.controls()).prediction(quiet.main.board());
        read.preferences = quiet.main.preferences();
    }
    return read;
}

std::string realPredictionsText(const Tournament& tournament)
{
    if (tournament.id == BoardTournamentId) {
        QuietBoard quiet;
        FillInRealResults(quiet.main);
        return predictionsFileText(quiet.main, std::string());
    }
    TournamentPredictions real{Prediction::real(tournament), {}};
    real.preferences.firstRun = false;
    return tournamentPredictionsText(tournament, real, std::string());
}

}  // namespace tiplark
