#pragma once

#include "engine/Prediction.h"
#include "engine/Tournament.h"
#include "engine/TournamentCatalog.h"
#include "i18n/Preferences.h"
#include "storage/SettingsFile.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tiplark {

// A predictions file of a tournament other than the board's own, as read.
struct TournamentPredictions {
    Prediction prediction;
    Preferences preferences;  // from [PREFERENCES]
    // The program's sections with the values the read took, each as the file
    // spells it where it was taken (SettingsDocument::opened): where these
    // differ from the file, a save would lose data (a damaged line or value,
    // an unknown key in the program's sections, a team code that is not in
    // the group, a shoot-out after a score that was not level), so it keeps
    // the file as a backup first, as for Tiplark.ini.
    std::vector<SectionValues> asLoaded;

    // Whether a save would lose something the file holds.
    bool losesData(const SettingsFile& file) const { return file.losesData(asLoaded); }
};

// A predictions file naming a tournament that no tournament file has.
class UnknownTournament : public std::runtime_error {
public:
    explicit UnknownTournament(const std::string& id);
    const std::string& id() const { return m_id; }

private:
    std::string m_id;
};

// The id a predictions file names in [TOURNAMENT] Id; std::nullopt for a
// file that names none, which is the board's own (Tiplark.ini).
std::optional<std::string> predictionsTournamentId(const SettingsFile& file);

// The tournament a predictions file names in [TOURNAMENT] Id; nullptr for a
// file that names none, which is the board's own (Tiplark.ini). Throws
// UnknownTournament for an id the catalog does not have.
const Tournament* predictionsTournament(const TournamentCatalog& catalog, const SettingsFile& file);

// Reads the prediction and preferences of the tournament's file. Never
// throws: a damaged value leaves its match empty or its preference at the
// default, and reading goes on.
TournamentPredictions readTournamentPredictions(const Tournament& tournament, const SettingsFile& file);

// The program's sections of the file as a save writes them.
std::vector<SectionValues> tournamentSections(const Tournament& tournament, const TournamentPredictions& predictions);

// The bytes a save writes over a file holding `previous`: the program's
// sections whole, in their order, and every other line of `previous` byte
// for byte and in place (SettingsFile::rewritten).
std::string tournamentPredictionsText(const Tournament& tournament, const TournamentPredictions& predictions,
                                      const std::string& previous);

}  // namespace tiplark
