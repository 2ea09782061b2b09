#include "scoring/PredictionFiles.h"

#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "i18n/LanguageTables.h"
#include "scoring/QuietBoard.h"
#include "scoring/RealResults.h"

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
    read.load = predictionsLoad(file.load(path));
    if (!read.loaded())
        return read;
    if (const Tournament* tournament = predictionsTournament(catalog, file)) {
        TournamentPredictions predictions = readTournamentPredictions(*tournament, file);
        read.tournament = tournament;
        read.prediction = std::move(predictions.prediction);
        read.preferences = predictions.preferences;
        return read;
    }
    read.tournament = &catalogTournament(catalog, std::string(DefaultTournamentId));
    read.boardFile = true;
    QuietBoard quiet(*read.tournament);
    read.load = LoadPredictions(quiet.main, path);
    if (read.loaded()) {
        read.prediction = quiet.main.rules().play().prediction();
        read.preferences = quiet.main.preferences();
    }
    return read;
}

std::string realPredictionsText(const Tournament& tournament)
{
    if (tournament.id == DefaultTournamentId) {
        QuietBoard quiet(tournament);
        FillInRealResults(quiet.main);
        return predictionsFileText(quiet.main, std::string());
    }
    TournamentPredictions real{Prediction::real(tournament), {}, {}};
    real.preferences.firstRun = false;
    return tournamentPredictionsText(tournament, real, std::string());
}

}  // namespace tiplark
