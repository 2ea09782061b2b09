#include "storage/PredictionKeys.h"

#include "i18n/LanguageTables.h"
#include "tournament/TournamentData.h"

namespace tiplark {
namespace {

constexpr double OneDay = 1.0;  // time shifts are fractions of a day

// Section of each knockout round, in the order of Round.
constexpr std::array<const char*, RoundCount> RoundSections = {"FINAL 8", "FINAL 4", "FINAL 2", "THIRD", "FINAL"};

}  // namespace

std::vector<PredictionKey> preferenceKeys()
{
    return {
        {PreferencesSection, "Language", ValueKind::Integer, &Preferences::languageIndex, 0, LanguageCount - 1},
        {PreferencesSection, "Favorite", ValueKind::Integer, &Preferences::favoriteIndex, 0, TeamCount},
        {PreferencesSection, "TimeZone", ValueKind::Real, &Preferences::zoneShift, -OneDay, OneDay},
        {PreferencesSection, "GMT", ValueKind::Text, &Preferences::zoneCode},
        {PreferencesSection, "Daylight", ValueKind::Real, &Preferences::daylightShift, -OneDay, OneDay},
        // Any save ends the first run.
        {PreferencesSection, "FirstTime", ValueKind::YesNo, &Preferences::firstRun, 0, 0, "0"},
    };
}

std::vector<PredictionKey> predictionKeys(const BoardControls& controls)
{
    std::vector<PredictionKey> keys = preferenceKeys();
    for (int g = 0; g < GroupCount; ++g) {
        const std::string section = std::string("GROUP ") + groups()[static_cast<size_t>(g)].letter;
        for (int m = 0; m < MatchesPerGroup; ++m) {
            const auto& score = controls.groups[static_cast<size_t>(g)].score[static_cast<size_t>(m)];
            keys.push_back({section, "Game" + std::to_string(m + 1), ValueKind::ScorePair, ScoreBoxes{score[0], score[1]}});
        }
    }
    for (int r = 0; r < RoundCount; ++r) {
        const std::string section = RoundSections[static_cast<size_t>(r)];
        const auto& matches = controls.rounds[static_cast<size_t>(r)].matches;
        for (size_t m = 0; m < matches.size(); ++m) {
            const std::string game = "Game" + std::to_string(m + 1);
            keys.push_back({section, game, ValueKind::ScorePair, ScoreBoxes{matches[m].score[0], matches[m].score[1]}});
            keys.push_back({section, game + "Apk", ValueKind::Penalty, matches[m].penalty[0]});
            keys.push_back({section, game + "Bpk", ValueKind::Penalty, matches[m].penalty[1]});
        }
    }
    return keys;
}

}  // namespace tiplark
