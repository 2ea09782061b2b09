#include "document/PredictionsFile.h"

#include "document/BoxTexts.h"
#include "document/MainBoard.h"
#include "i18n/Language.h"
#include "storage/AtomicFile.h"
#include "storage/PredictionKeys.h"
#include "storage/SettingValues.h"
#include "storage/SettingsFile.h"

#include <stdexcept>

namespace tiplark {
namespace {

constexpr const char* FirstTimeKey = "FirstTime";
constexpr const char* BackupSuffix = ".bak";

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

// Start-up load of `file` into the board. True on a first run.
bool readFile(MainBoard& main, const std::vector<PredictionKey>& keys, const SettingsFile& file)
{
    if (readFirstRun(main, keys, file)) {
        main.preferences().unloadedData = !file.bytes().empty();
        return true;
    }
    loadBoard(main, keys, file);
    main.preferences().unloadedData = file.losesData(sectionValues(keys, main));
    return false;
}

// Keeps the file about to be replaced beside it and says where.
bool keepBackup(MainBoard& main, const std::string& path, const std::string& bytes)
{
    const std::string backup = path + BackupSuffix;
    if (!replaceFileAtomically(backup, bytes)) {
        main.services().messages.showError("Unable to write to " + backup);
        return false;
    }
    std::string text = Language::text(main.preferences().languageIndex, "msg.backupKept");
    text.replace(text.find("%s"), 2, backup);
    main.services().messages.showInformation(text);
    return true;
}

// A file that a save wrote: readable and with "FirstTime" as no.
PredictionsLoad openSaved(SettingsFile& file, const std::vector<PredictionKey>& keys, const std::string& path)
{
    switch (file.load(path)) {
    case SettingsFileState::Missing:
        return PredictionsLoad::Missing;
    case SettingsFileState::Unreadable:
    case SettingsFileState::TooLarge:
        return PredictionsLoad::Unreadable;
    case SettingsFileState::Loaded:
        break;
    }
    Preferences probe;
    readPreference(firstTimeKey(keys), file, probe);
    return probe.firstRun ? PredictionsLoad::FirstRun : PredictionsLoad::Loaded;
}

}  // namespace

std::string predictionsFileText(const MainBoard& main, const std::string& previous)
{
    return SettingsFile(previous).rewritten(sectionValues(main.keys(), main));
}

bool SaveAll(MainBoard& main, const std::string& path)
{
    SettingsFile previous;
    // A file that exists but cannot be read is not replaced: its other
    // sections would be lost.
    if (const SettingsFileState state = previous.load(path);
        state == SettingsFileState::Unreadable || state == SettingsFileState::TooLarge) {
        main.services().messages.showError("Unable to write to " + path);
        return false;
    }
    Preferences& preferences = main.preferences();
    if (preferences.unloadedData && !previous.bytes().empty()) {
        if (!keepBackup(main, path, previous.bytes()))
            return false;
        preferences.unloadedData = false;
    }
    const std::vector<PredictionKey>& keys = main.keys();
    if (!replaceFileAtomically(path, previous.rewritten(sectionValues(keys, main)))) {
        main.services().messages.showError("Unable to write to " + path);
        return false;
    }
    preferences.unloadedData = false;
    return true;
}

namespace {

void startUpFrom(MainBoard& main, const SettingsFile& file, const std::function<void()>& showFirstRunOptions)
{
    if (readFile(main, main.keys(), file)) {
        showFirstRunOptions();
        main.preferences().teamNamesPending = true;
        main.SetFirstTimeGroups();
    }
    // A load is nothing to undo.
    main.history().clear();
}

}  // namespace

void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions)
{
    SettingsFile file;
    file.load(path);
    startUpFrom(main, file, showFirstRunOptions);
}

void ReadAllText(MainBoard& main, std::string_view text, const std::function<void()>& showFirstRunOptions)
{
    startUpFrom(main, SettingsFile(std::string(text)), showFirstRunOptions);
}

PredictionsLoad LoadPredictions(MainBoard& main, const std::string& path)
{
    const std::vector<PredictionKey>& keys = main.keys();
    SettingsFile file;
    if (const PredictionsLoad state = openSaved(file, keys, path); state != PredictionsLoad::Loaded)
        return state;
    readFile(main, keys, file);
    main.history().clear();
    return PredictionsLoad::Loaded;
}

PredictionsLoad ImportPrediction(MainBoard& main, const std::string& path)
{
    const std::vector<PredictionKey>& keys = main.keys();
    SettingsFile file;
    if (const PredictionsLoad state = openSaved(file, keys, path); state != PredictionsLoad::Loaded)
        return state;
    const UserStep step(main.history());
    setBoxes(main.board(), fileBoxTexts(keys, file));
    return PredictionsLoad::Loaded;
}

}  // namespace tiplark
