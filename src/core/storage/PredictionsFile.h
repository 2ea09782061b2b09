#pragma once

#include "board/Board.h"
#include "i18n/Preferences.h"
#include "storage/PredictionKeys.h"
#include "storage/SettingsFile.h"
#include "tournament/BoardControls.h"

#include <string>
#include <vector>

namespace tiplark {

// The bytes a save writes over a file holding `previous`: every score,
// penalty and preference of the board in the program's own fourteen
// sections in their fixed order, with "FirstTime" as no; every other line of
// `previous` byte for byte and in place, and comments within the program's
// sections where they stood.
std::string predictionsFileText(const Board& board, const BoardControls& controls, const Preferences& preferences,
                                const SettingsFile& previous);

// A predictions file read for loading, in the steps the start-up takes.
// Damaged values leave their box empty or their preference at its default,
// a damaged line is skipped alone; reading never stops.
class PredictionsReader {
public:
    explicit PredictionsReader(const BoardControls& controls);

    SettingsFileState open(const std::string& path);
    const std::string& bytes() const { return m_file.bytes(); }
    // "FirstTime" into both start-up flags; true on a first run, which is
    // also what a missing or unreadable file reads as.
    bool readFirstRun(Preferences& preferences) const;
    // Every preference but "FirstTime".
    void readPreferences(Preferences& preferences) const;
    // The boxes section by section, group by group and round by round: all
    // score pairs first, then the penalty boxes, so that the boxes' change
    // events rebuild tables and bracket on the way.
    void fillBoxes(Board& board) const;
    // True when saving the board as loaded would lose something the file
    // holds (see SettingsFile::losesData).
    bool losesData(const Board& board, const Preferences& preferences) const;

private:
    std::vector<PredictionKey> m_keys;
    SettingsFile m_file;
};

}  // namespace tiplark
