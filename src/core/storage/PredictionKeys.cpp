#include "storage/PredictionKeys.h"

#include "i18n/LanguageTables.h"

#include <cctype>

namespace tiplark {
namespace {

constexpr double OneDay = 1.0;  // time shifts are fractions of a day

// "Final8" -> "FINAL 8", "Third" -> "THIRD".
std::string roundSection(std::string prefix)
{
    std::string section;
    for (const char c : prefix) {
        if (std::isdigit(static_cast<unsigned char>(c)) && !section.empty() && !std::isdigit(static_cast<unsigned char>(section.back())))
            section += ' ';
        section += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return section;
}

}  // namespace

std::vector<PredictionKey> preferenceKeys(int teamCount)
{
    return {
        {PreferencesSection, "Language", ValueKind::Preference, &Preferences::languageIndex, 0, LanguageCount - 1},
        {PreferencesSection, "Favorite", ValueKind::Preference, &Preferences::favoriteIndex, 0, static_cast<double>(teamCount)},
        {PreferencesSection, "TimeZone", ValueKind::Preference, &Preferences::zoneShift, -OneDay, OneDay},
        {PreferencesSection, "GMT", ValueKind::Preference, &Preferences::zoneCode},
        {PreferencesSection, "Daylight", ValueKind::Preference, &Preferences::daylightShift, -OneDay, OneDay},
        // Any save ends the first run.
        {PreferencesSection, "FirstTime", ValueKind::Preference, &Preferences::firstRun, 0, 0, "0"},
    };
}

std::vector<PredictionKey> predictionKeys(const BoardControls& controls, const Tournament& tournament)
{
    std::vector<PredictionKey> keys = preferenceKeys(static_cast<int>(tournament.teams.size()));
    for (const GroupControls& group : controls.groups) {
        const std::string section = std::string("GROUP ") + tournament.groups[static_cast<size_t>(group.group)].letter;
        for (size_t m = 0; m < group.score.size(); ++m) {
            const auto& score = group.score[m];
            keys.push_back({section, "Game" + std::to_string(m + 1), ValueKind::ScorePair, ScoreBoxes{score[0], score[1]}});
        }
    }
    for (const RoundControls& round : controls.rounds) {
        const std::string section = roundSection(roundPrefix(tournament, round.round));
        const auto& matches = round.matches;
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
