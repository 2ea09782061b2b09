#pragma once

#include "document/PredictionsFile.h"
#include "engine/Prediction.h"
#include "engine/Tournament.h"
#include "engine/TournamentCatalog.h"
#include "i18n/Preferences.h"

#include <string>

namespace tiplark {

// A predictions file of any tournament, read as a prediction of it.
struct FilePrediction {
    PredictionsLoad load = PredictionsLoad::Loaded;  // anything else: nothing read
    const Tournament* tournament = nullptr;
    Prediction prediction;
    Preferences preferences;
    // The board's own file (Tiplark.ini), read by the board's loader.
    bool boardFile = false;
    // The board's own file whose scores, given, are all damaged: its empty
    // prediction would say nothing about the file.
    bool noValidScores = false;

    bool loaded() const { return load == PredictionsLoad::Loaded; }
};

// A file that names its tournament ([TOURNAMENT] Id) is read as that
// tournament's; any other is the board's own, loaded on a board of its own
// as the program loads it and read as a prediction of the board's
// tournament. Throws UnknownTournament for an id the catalog lacks, and
// std::runtime_error for a board file when the catalog lacks the board's
// tournament.
FilePrediction readFilePrediction(const TournamentCatalog& catalog, const std::string& path);

// A file read as a prediction of one tournament: a file naming another
// (or the board's own file, for any other tournament) is not read, and the
// id it names is given instead.
struct OneTournamentFile {
    FilePrediction read;
    std::string otherTournament;  // the id of the file's tournament when it is not the one asked for
};
OneTournamentFile readFilePrediction(const Tournament& tournament, const std::string& path);

// The tournament of the id, or std::runtime_error saying that none has it.
const Tournament& catalogTournament(const TournamentCatalog& catalog, const std::string& id);

// The real results as a predictions file of the tournament, which the
// program loads back: Tiplark.ini as the program saves it for the board's
// tournament, the tournament's own format for any other.
std::string realPredictionsText(const Tournament& tournament);

}  // namespace tiplark
