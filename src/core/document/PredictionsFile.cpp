#include "document/PredictionsFile.h"

#include "document/BoxTexts.h"
#include "document/LoadFailure.h"
#include "document/MainBoard.h"
#include "i18n/Language.h"
#include "storage/AtomicFile.h"
#include "storage/PredictionKeys.h"
#include "storage/PreferenceValues.h"
#include "storage/SettingValues.h"
#include "storage/SettingsFile.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

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

// Step 2 of the load: both flags follow "FirstTime".
bool readFirstRun(MainBoard& main, const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    Preferences& preferences = main.preferences();
    readPreference(firstTimeKey(keys), file, preferences);
    preferences.teamNamesPending = preferences.firstRun;
    return preferences.firstRun;
}

BoxTexts fileBoxTexts(const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    return readBoxTexts(keys, [&file](std::string_view section, std::string_view key) { return file.value(section, key); });
}

void loadBoard(MainBoard& main, const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    const Board::Batch action(main.board());
    for (const PredictionKey& key : keys) {
        if (key.section == PreferencesSection && key.name != FirstTimeKey)
            readPreference(key, file, main.preferences());
    }
    main.language().SetPreviousTeamNamesEnglish();
    main.ApplyLanguage();

    setBoxes(main.board(), fileBoxTexts(keys, file));

    main.ApplyLanguage();
    main.preferences().teamNamesPending = true;
    main.SetFirstTimeGroups();
}

std::vector<SectionValues> sectionValues(const std::vector<PredictionKey>& keys, const MainBoard& main)
{
    std::vector<SectionValues> sections;
    for (const PredictionKey& key : keys) {
        if (sections.empty() || sections.back().name != key.section)
            sections.push_back({key.section, {}});
        sections.back().values.emplace_back(key.name, keyText(key, main));
    }
    return sections;
}

// The values the load took from `file`: the board's, except that a key the
// program writes the same whatever the board holds ("FirstTime") keeps the
// file's value, since replacing it loses nothing.
std::vector<SectionValues> loadedValues(const std::vector<PredictionKey>& keys, const MainBoard& main,
                                        const SettingsFile& file)
{
    std::vector<SectionValues> sections = sectionValues(keys, main);
    auto key = keys.begin();  // sectionValues keeps the keys' order
    for (SectionValues& section : sections) {
        for (auto& value : section.values) {
            if (key->fixedText)
                value.second = file.value(key->section, key->name).value_or(value.second);
            ++key;
        }
    }
    return sections;
}

// Whether `file` holds a score or penalty of its own, whatever its "FirstTime".
bool holdsScores(const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    return std::any_of(keys.begin(), keys.end(), [&](const PredictionKey& key) {
        return (key.kind == ValueKind::ScorePair || key.kind == ValueKind::Penalty) && file.value(key.section, key.name);
    });
}

// Start-up load of `file` into the board. True on a first run, which loads
// the file too: its scores must survive the first run's save.
bool readFile(MainBoard& main, const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    const bool firstRun = readFirstRun(main, keys, file);
    loadBoard(main, keys, file);
    return firstRun;
}


bool isFirstRun(const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    Preferences probe;
    readPreference(firstTimeKey(keys), file, probe);
    return probe.firstRun;
}

}  // namespace

std::string predictionsFileText(const MainBoard& main, const std::string& previous)
{
    return SettingsFile(previous).rewritten(sectionValues(main.keys(), main));
}

bool SaveAll(MainBoard& main, const std::string& path)
{
    return main.file().save(path, sectionValues(main.keys(), main), main.userDialogs());
}

namespace {

void finishStartUp(MainBoard& main, bool firstRun, const std::function<void()>& showFirstRunOptions)
{
    if (firstRun) {
        showFirstRunOptions();
        main.preferences().teamNamesPending = true;
        main.SetFirstTimeGroups();
    }
    // A load is nothing to undo.
    main.history().clear();
}

// The board loaded from `file`, read from `path`, becomes the document of that file.
void open(MainBoard& main, const std::string& path, const SettingsFile& file)
{
    main.file().opened(path, file, loadedValues(main.keys(), main, file));
}

}  // namespace

void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions)
{
    removeLeftoverTemporaries(path);
    SettingsFile file;
    if (const PredictionsLoad state = predictionsLoad(file.load(path)); state == PredictionsLoad::TooLarge)
        main.services().messages.showError(loadFailureMessage(main.preferences().languageIndex, path, state));
    const bool firstRun = readFile(main, main.keys(), file);
    open(main, path, file);
    main.file().tellIfReadOnly(main.userDialogs());
    finishStartUp(main, firstRun, showFirstRunOptions);
}

void ReadAllText(MainBoard& main, std::string_view text, const std::function<void()>& showFirstRunOptions)
{
    const SettingsFile file{std::string(text)};
    finishStartUp(main, readFile(main, main.keys(), file), showFirstRunOptions);
}

PredictionsLoad LoadPredictions(MainBoard& main, const std::string& path)
{
    const std::vector<PredictionKey>& keys = main.keys();
    SettingsFile file;
    if (const PredictionsLoad state = predictionsLoad(file.load(path)); state != PredictionsLoad::Loaded)
        return state;
    if (isFirstRun(keys, file))
        return PredictionsLoad::FirstRun;
    readFile(main, keys, file);
    open(main, path, file);
    main.history().clear();
    return PredictionsLoad::Loaded;
}

PredictionsLoad ImportPrediction(MainBoard& main, const std::string& path)
{
    const std::vector<PredictionKey>& keys = main.keys();
    SettingsFile file;
    if (const PredictionsLoad state = predictionsLoad(file.load(path)); state != PredictionsLoad::Loaded)
        return state;
    if (isFirstRun(keys, file) && !holdsScores(keys, file))
        return PredictionsLoad::FirstRun;
    const UserStep step(main.history());
    setBoxes(main.board(), fileBoxTexts(keys, file));
    return PredictionsLoad::Loaded;
}

PredictionsLoad predictionsLoad(SettingsFileState state)
{
    switch (state) {
    case SettingsFileState::Missing:
        return PredictionsLoad::Missing;
    case SettingsFileState::Unreadable:
        return PredictionsLoad::Unreadable;
    case SettingsFileState::TooLarge:
        return PredictionsLoad::TooLarge;
    case SettingsFileState::Loaded:
        break;
    }
    return PredictionsLoad::Loaded;
}

}  // namespace tiplark
