#pragma once

#include "document/PredictionFormat.h"

#include <string>

namespace tiplark {

// The predictions file of any tournament but the default one
// (document/TournamentPredictionsFile): the engine's Prediction on the
// board through predictionBoxTexts, and back from the board's rules.
class TournamentFileFormat : public PredictionFormat {
public:
    PredictionRead read(const MainBoard& main, const SettingsFile& file) const override;
    std::vector<SectionValues> sections(const MainBoard& main) const override;
    std::vector<SectionValues> loadedValues(const MainBoard& main, const SettingsFile& file) const override;
};

// The favourite as the board keeps it (team index + 1, 0 for none) and as
// the file names it (a team code, empty for none).
int boardFavorite(const Tournament& tournament, const std::string& code);
std::string fileFavorite(const Tournament& tournament, int favoriteIndex);

}  // namespace tiplark
