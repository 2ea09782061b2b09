#include "storage/PredictionsFile.h"

#include "document/MainBoard.h"
#include "storage/PredictionKeys.h"
#include "storage/SettingValues.h"
#include "storage/SettingsFile.h"

#include <stdexcept>

namespace tiplark {
namespace {

constexpr const char* FirstTimeKey = "FirstTime";

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

bool inRange(const PredictionKey& key, double value)
{
    return value >= key.minimum && value <= key.maximum;
}

std::string preferenceText(const PredictionKey& key, const Preferences& preferences)
{
    if (key.fixedText)
        return key.fixedText;
    return std::visit(
        Overloaded{
            [&](int Preferences::*field) { return std::to_string(preferences.*field); },
            [&](bool Preferences::*field) { return writeYesNo(preferences.*field); },
            [&](double Preferences::*field) { return writeReal(preferences.*field); },
            [&](std::string Preferences::*field) { return preferences.*field; },
            [](const auto&) { return std::string(); },
        },
        key.target);
}

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
    static const Preferences defaults;
    const std::optional<std::string> text = file.value(key.section, key.name);
    std::visit(
        Overloaded{
            [&](int Preferences::*field) {
                const auto value = text ? readInteger(*text) : std::nullopt;
                preferences.*field = value && inRange(key, *value) ? *value : defaults.*field;
            },
            [&](bool Preferences::*field) {
                const auto value = text ? readYesNo(*text) : std::nullopt;
                preferences.*field = value.value_or(defaults.*field);
            },
            [&](double Preferences::*field) {
                const auto value = text ? readReal(*text) : std::nullopt;
                preferences.*field = value && inRange(key, *value) ? *value : defaults.*field;
            },
            [&](std::string Preferences::*field) { preferences.*field = text.value_or(defaults.*field); },
            [](const auto&) {},
        },
        key.target);
}

const PredictionKey& firstTimeKey(const std::vector<PredictionKey>& keys)
{
    for (const PredictionKey& key : keys) {
        if (key.section == PreferencesSection && key.name == FirstTimeKey)
            return key;
    }
    throw std::logic_error("no FirstTime key");
}

// Step 2 of the load: both flags follow "FirstTime".
bool readFirstRun(MainBoard& main, const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    Preferences& preferences = main.preferences();
    readPreference(firstTimeKey(keys), file, preferences);
    preferences.teamNamesPending = preferences.firstRun;
    return preferences.firstRun;
}

// One section's boxes: all score pairs first, then the penalty boxes, so that
// a level score has already shown a match's penalty boxes and each round's
// slots are filled by the previous round before its own boxes are set.
void loadSection(Board& board, const SettingsFile& file, std::vector<const PredictionKey*> keys)
{
    std::vector<ScorePair> pairs;
    for (const PredictionKey* key : keys) {
        if (key->kind == ValueKind::ScorePair)
            pairs.push_back(splitScorePair(file.value(key->section, key->name).value_or("")));
    }
    auto pair = pairs.begin();
    for (const PredictionKey* key : keys) {
        if (key->kind != ValueKind::ScorePair)
            continue;
        const auto& boxes = std::get<ScoreBoxes>(key->target);
        board.setText(boxes[0], acceptedScore(pair->first));
        board.setText(boxes[1], acceptedScore(pair->second));
        ++pair;
    }
    for (const PredictionKey* key : keys) {
        if (key->kind == ValueKind::Penalty)
            board.setText(std::get<ControlId>(key->target), acceptedScore(file.value(key->section, key->name).value_or("")));
    }
}

void loadBoard(MainBoard& main, const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    for (const PredictionKey& key : keys) {
        if (key.section == PreferencesSection && key.name != FirstTimeKey)
            readPreference(key, file, main.preferences());
    }
    main.language().SetPreviousTeamNamesEnglish();
    main.ApplyLanguage();

    std::vector<const PredictionKey*> section;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].section != PreferencesSection)
            section.push_back(&keys[i]);
        const bool sectionEnds = i + 1 == keys.size() || keys[i + 1].section != keys[i].section;
        if (sectionEnds && !section.empty()) {
            loadSection(main.board(), file, section);
            section.clear();
        }
    }

    main.ApplyLanguage();
    main.preferences().teamNamesPending = true;
    main.groupStage().SetFirstTimeGroups();
}

}  // namespace

bool SaveAll(MainBoard& main, const std::string& path)
{
    const std::vector<PredictionKey> keys = predictionKeys(main.controls());
    SettingsFile file;
    // A file that exists but cannot be read is not replaced: its other
    // sections would be lost.
    bool saved = file.load(path) != SettingsFileState::Unreadable;
    if (saved) {
        for (const std::string& section : predictionSections(keys))
            file.eraseSection(section);
        for (const PredictionKey& key : keys)
            file.setValue(key.section, key.name, keyText(key, main));
        saved = file.save(path);
    }
    if (!saved)
        main.services().messages.showError("Unable to write to " + path);
    return saved;
}

void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions)
{
    const std::vector<PredictionKey> keys = predictionKeys(main.controls());
    SettingsFile file;
    file.load(path);
    if (readFirstRun(main, keys, file)) {
        showFirstRunOptions();
        main.preferences().teamNamesPending = true;
        main.groupStage().SetFirstTimeGroups();
        return;
    }
    loadBoard(main, keys, file);
}

PredictionsLoad LoadPredictions(MainBoard& main, const std::string& path)
{
    const std::vector<PredictionKey> keys = predictionKeys(main.controls());
    SettingsFile file;
    switch (file.load(path)) {
    case SettingsFileState::Missing:
        return PredictionsLoad::Missing;
    case SettingsFileState::Unreadable:
        return PredictionsLoad::Unreadable;
    case SettingsFileState::Loaded:
        break;
    }
    if (readFirstRun(main, keys, file))
        return PredictionsLoad::FirstRun;
    loadBoard(main, keys, file);
    return PredictionsLoad::Loaded;
}

}  // namespace tiplark
