#include "scoring/PredictionFiles.h"

#include "document/BoxTexts.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "i18n/LanguageTables.h"
#include "scoring/QuietBoard.h"
#include "scoring/RealResults.h"
#include "storage/SettingValues.h"

#include <algorithm>

#include <stdexcept>

namespace tiplark {

const Tournament& catalogTournament(const TournamentCatalog& catalog, const std::string& id)
{
    if (const Tournament* tournament = catalog.find(id))
        return *tournament;
    throw std::runtime_error(fillIn(languageText(LanguageEnglish, "tournament.missing"), id));
}

namespace {

// Whether the board's file gives any score or penalty, readable or not: a
// prediction left empty is one, a file whose every score is damaged is not.
bool givesScores(const SettingsFile& file, const std::vector<PredictionKey>& keys)
{
    return std::any_of(keys.begin(), keys.end(), [&file](const PredictionKey& key) {
        if (key.kind != ValueKind::ScorePair && key.kind != ValueKind::Penalty)
            return false;
        const std::string value = file.value(key.section, key.name).value_or("");
        if (key.kind == ValueKind::Penalty)
            return !value.empty();
        const ScorePair pair = splitScorePair(value);
        return !pair.first.empty() || !pair.second.empty();
    });
}

FilePrediction readOwnFile(const Tournament& tournament, const SettingsFile& file)
{
    TournamentPredictions predictions = readTournamentPredictions(tournament, file);
    FilePrediction read;
    read.tournament = &tournament;
    read.prediction = std::move(predictions.prediction);
    read.preferences = predictions.preferences;
    return read;
}

FilePrediction readBoardFile(const Tournament& tournament, const SettingsFile& file, const std::string& path)
{
    FilePrediction read;
    read.tournament = &tournament;
    read.boardFile = true;
    QuietBoard quiet(tournament);
    read.load = LoadPredictions(quiet.main, path);
    if (read.loaded()) {
        read.prediction = quiet.main.rules().play().prediction();
        read.preferences = quiet.main.preferences();
        read.noValidScores = !hasScores(quiet.main) && givesScores(file, quiet.main.keys());
    }
    return read;
}

}  // namespace

FilePrediction readFilePrediction(const TournamentCatalog& catalog, const std::string& path)
{
    SettingsFile file;
    FilePrediction read;
    read.load = predictionsLoad(file.load(path));
    if (!read.loaded())
        return read;
    if (const Tournament* tournament = predictionsTournament(catalog, file))
        return readOwnFile(*tournament, file);
    return readBoardFile(catalogTournament(catalog, std::string(DefaultTournamentId)), file, path);
}

OneTournamentFile readFilePrediction(const Tournament& tournament, const std::string& path)
{
    SettingsFile file;
    OneTournamentFile one;
    one.read.load = predictionsLoad(file.load(path));
    if (!one.read.loaded())
        return one;
    const std::string id = predictionsTournamentId(file).value_or(std::string(DefaultTournamentId));
    if (id != tournament.id) {
        one.otherTournament = id;
        return one;
    }
    one.read = tournament.id == DefaultTournamentId && !predictionsTournamentId(file)
                   ? readBoardFile(tournament, file, path)
                   : readOwnFile(tournament, file);
    return one;
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
