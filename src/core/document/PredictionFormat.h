#pragma once

#include "document/BoxTexts.h"
#include "engine/Tournament.h"
#include "i18n/Preferences.h"
#include "storage/SettingsFile.h"

#include <vector>

namespace tiplark {

class MainBoard;

// A predictions file as read for a board.
struct PredictionRead {
    Preferences preferences;   // the board's, with the file's read over them
    BoxTexts boxes;            // the whole prediction, in load order
    bool holdsScores = false;  // a score or penalty of the file's own, whatever its FirstTime
};

// How a board's prediction is kept in its file, chosen by the board's
// tournament: Tiplark.ini's own keys for the default tournament, the
// tournament predictions file (docs/TOURNAMENT-FORMAT.md) for any other.
// Load, save, import and export go through it, so every edition gets the
// same document guarantees (SettingsDocument) by one path.
class PredictionFormat {
public:
    virtual ~PredictionFormat() = default;

    // Never throws: damaged values leave their box empty or their
    // preference at its default.
    virtual PredictionRead read(const MainBoard& main, const SettingsFile& file) const = 0;
    // The program's sections as a save writes the board.
    virtual std::vector<SectionValues> sections(const MainBoard& main) const = 0;
    // The sections with the values a load of `file` took, each as the file
    // spells it, for SettingsDocument::opened.
    virtual std::vector<SectionValues> loadedValues(const MainBoard& main, const SettingsFile& file) const = 0;
};

const PredictionFormat& predictionFormat(const Tournament& tournament);

// The id of the tournament a predictions file is of: its [TOURNAMENT] Id,
// or the default tournament's for a file naming none (Tiplark.ini).
std::string predictionsFileTournamentId(const SettingsFile& file);

}  // namespace tiplark
