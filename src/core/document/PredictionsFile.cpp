#include "document/PredictionsFile.h"

#include "document/LoadFailure.h"
#include "document/MainBoard.h"
#include "document/PredictionFormat.h"
#include "i18n/Language.h"
#include "storage/AtomicFile.h"
#include "storage/SettingsFile.h"

#include <utility>

namespace tiplark {
namespace {

const PredictionFormat& formatOf(const MainBoard& main)
{
    return predictionFormat(main.tournament());
}

void loadBoard(MainBoard& main, const PredictionRead& read)
{
    const Board::Batch action(main.board());
    main.preferences() = read.preferences;
    main.language().SetPreviousTeamNamesEnglish();
    main.ApplyLanguage();

    setBoxes(main.board(), read.boxes);

    main.ApplyLanguage();
    main.preferences().teamNamesPending = true;
    main.SetFirstTimeGroups();
}

// Start-up load of `file` into the board. True on a first run, which loads
// the file too: its scores must survive the first run's save.
bool readFile(MainBoard& main, const SettingsFile& file)
{
    const PredictionRead read = formatOf(main).read(main, file);
    loadBoard(main, read);
    return read.preferences.firstRun;
}

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
    main.file().opened(path, file, formatOf(main).loadedValues(main, file));
}

// The load state of the file at `path`, read into `file`; OtherTournament
// for a prediction of another tournament than the board's.
PredictionsLoad loadOwnFile(const MainBoard& main, const std::string& path, SettingsFile& file)
{
    if (const PredictionsLoad state = predictionsLoad(file.load(path)); state != PredictionsLoad::Loaded)
        return state;
    if (predictionsFileTournamentId(file) != main.tournament().id)
        return PredictionsLoad::OtherTournament;
    return PredictionsLoad::Loaded;
}

}  // namespace

std::string predictionsFileText(const MainBoard& main, const std::string& previous)
{
    return SettingsFile(previous).rewritten(formatOf(main).sections(main));
}

bool SaveAll(MainBoard& main, const std::string& path)
{
    return main.file().save(path, formatOf(main).sections(main), main.userDialogs());
}

bool hasUnsavedChanges(const MainBoard& main)
{
    return formatOf(main).sections(main) != main.file().values();
}

void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions)
{
    removeLeftoverTemporaries(path);
    SettingsFile file;
    if (const PredictionsLoad state = predictionsLoad(file.load(path)); state == PredictionsLoad::TooLarge)
        main.services().messages.showError(loadFailureMessage(main.preferences().languageIndex, path, state));
    const bool firstRun = readFile(main, file);
    open(main, path, file);
    main.file().tellIfReadOnly(main.userDialogs());
    finishStartUp(main, firstRun, showFirstRunOptions);
}

void ReadAllText(MainBoard& main, std::string_view text, const std::function<void()>& showFirstRunOptions)
{
    const SettingsFile file{std::string(text)};
    finishStartUp(main, readFile(main, file), showFirstRunOptions);
}

PredictionsLoad LoadPredictions(MainBoard& main, const std::string& path)
{
    SettingsFile file;
    if (const PredictionsLoad state = loadOwnFile(main, path, file); state != PredictionsLoad::Loaded)
        return state;
    const PredictionRead read = formatOf(main).read(main, file);
    if (read.preferences.firstRun)
        return PredictionsLoad::FirstRun;
    loadBoard(main, read);
    open(main, path, file);
    main.history().clear();
    return PredictionsLoad::Loaded;
}

bool StartPrediction(MainBoard& main, const std::string& path, const Preferences& carried)
{
    bool saved = true;
    ReadAll(main, path, [&] {
        Preferences& preferences = main.preferences();
        preferences.languageIndex = carried.languageIndex;
        preferences.zoneShift = carried.zoneShift;
        preferences.zoneCode = carried.zoneCode;
        preferences.daylightShift = carried.daylightShift;
        preferences.firstRun = false;
        main.ApplyLanguage();
        saved = SaveAll(main, path);
    });
    return saved;
}

PredictionsLoad ImportPrediction(MainBoard& main, const std::string& path)
{
    SettingsFile file;
    if (const PredictionsLoad state = loadOwnFile(main, path, file); state != PredictionsLoad::Loaded)
        return state;
    const PredictionRead read = formatOf(main).read(main, file);
    if (read.preferences.firstRun && !read.holdsScores)
        return PredictionsLoad::FirstRun;
    const UserStep step(main.history());
    setBoxes(main.board(), read.boxes);
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
