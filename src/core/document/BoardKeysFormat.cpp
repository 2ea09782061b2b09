#include "document/BoardKeysFormat.h"

#include "document/MainBoard.h"
#include "storage/PreferenceValues.h"
#include "storage/SettingValues.h"

#include <algorithm>
#include <stdexcept>

namespace tiplark {
namespace {

constexpr const char* FirstTimeKey = "FirstTime";

std::string keyText(const PredictionKey& key, const MainBoard& main)
{
    const Board& board = main.board();
    switch (key.kind) {
    case ValueKind::ScorePair: {
        const auto& boxes = std::get<ScoreBoxes>(key.target);
        return joinScorePair(board.text(boxes[0]), board.text(boxes[1]));
    }
    case ValueKind::Penalty:
        return board.text(std::get<ControlId>(key.target));
    default:
        return preferenceText(key, main.preferences());
    }
}

// Reads one preference; an absent or unreadable text, or one out of range,
// leaves the default of a fresh Preferences.
void readPreference(const PredictionKey& key, const SettingsFile& file, Preferences& preferences)
{
    readPreference(key, file.value(key.section, key.name), preferences);
}

const PredictionKey& firstTimeKey(const std::vector<PredictionKey>& keys)
{
    for (const PredictionKey& key : keys) {
        if (key.section == PreferencesSection && key.name == FirstTimeKey)
            return key;
    }
    throw std::logic_error("no FirstTime key");
}

// Whether `file` holds a score or penalty of its own, whatever its "FirstTime".
bool holdsScores(const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    return std::any_of(keys.begin(), keys.end(), [&](const PredictionKey& key) {
        return (key.kind == ValueKind::ScorePair || key.kind == ValueKind::Penalty) && file.value(key.section, key.name);
    });
}

}  // namespace

PredictionRead BoardKeysFormat::read(const MainBoard& main, const SettingsFile& file) const
{
    const std::vector<PredictionKey>& keys = main.keys();
    PredictionRead read{main.preferences(),
                        readBoxTexts(keys, [&file](std::string_view section, std::string_view key) { return file.value(section, key); }),
                        holdsScores(keys, file)};
    // Both flags follow "FirstTime".
    Preferences& preferences = read.preferences;
    readPreference(firstTimeKey(keys), file, preferences);
    preferences.teamNamesPending = preferences.firstRun;
    for (const PredictionKey& key : keys) {
        if (key.section == PreferencesSection && key.name != FirstTimeKey)
            readPreference(key, file, preferences);
    }
    return read;
}

std::vector<SectionValues> BoardKeysFormat::sections(const MainBoard& main) const
{
    std::vector<SectionValues> sections;
    for (const PredictionKey& key : main.keys()) {
        if (sections.empty() || sections.back().name != key.section)
            sections.push_back({key.section, {}});
        sections.back().values.emplace_back(key.name, keyText(key, main));
    }
    return sections;
}

// The board's values, except that a key the program writes the same whatever
// the board holds ("FirstTime") keeps the file's value, since replacing it
// loses nothing.
std::vector<SectionValues> BoardKeysFormat::loadedValues(const MainBoard& main, const SettingsFile& file) const
{
    std::vector<SectionValues> loaded = sections(main);
    auto key = main.keys().begin();  // sections() keeps the keys' order
    for (SectionValues& section : loaded) {
        for (auto& value : section.values) {
            if (key->fixedText)
                value.second = file.value(key->section, key->name).value_or(value.second);
            ++key;
        }
    }
    return loaded;
}

}  // namespace tiplark
