#pragma once

#include "board/Board.h"
#include "i18n/Preferences.h"
#include "storage/PredictionKeys.h"
#include "storage/SettingsFile.h"
#include "tournament/BoardControls.h"

#include <string>
#include <vector>

namespace tiplark {

// Writes every score, penalty and preference of the board into the
// predictions file at `path`, with "FirstTime" as no. The program's own
// fourteen sections are rewritten in their fixed order; sections of other
// names stay. The file is replaced as a whole, so a failed write leaves the
// previous file as it was. False when it failed; nothing is shown.
bool writePredictions(const Board& board, const BoardControls& controls, const Preferences& preferences,
                      const std::string& path);

// A predictions file read for loading, in the steps the start-up takes.
// Damaged values leave their box empty or their preference at its default;
// reading never stops.
class PredictionsReader {
public:
    explicit PredictionsReader(const BoardControls& controls);

    SettingsFileState open(const std::string& path);
    // "FirstTime" into both start-up flags; true on a first run, which is
    // also what a missing or unreadable file reads as.
    bool readFirstRun(Preferences& preferences) const;
    // Every preference but "FirstTime".
    void readPreferences(Preferences& preferences) const;
    // The boxes section by section, group by group and round by round: all
    // score pairs first, then the penalty boxes, so that the boxes' change
    // events rebuild tables and bracket on the way.
    void fillBoxes(Board& board) const;

private:
    std::vector<PredictionKey> m_keys;
    SettingsFile m_file;
};

}  // namespace tiplark
