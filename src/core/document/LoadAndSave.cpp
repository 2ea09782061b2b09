#include "document/LoadAndSave.h"

#include "document/MainBoard.h"
#include "storage/PredictionsFile.h"

namespace tiplark {
namespace {

void loadBoard(MainBoard& main, const PredictionsReader& file)
{
    file.readPreferences(main.preferences());
    main.language().SetPreviousTeamNamesEnglish();
    main.ApplyLanguage();
    file.fillBoxes(main.board());
    main.ApplyLanguage();
    main.preferences().teamNamesPending = true;
    main.SetFirstTimeGroups();
    main.history().clear();
}

}  // namespace

bool SaveAll(MainBoard& main, const std::string& path)
{
    const bool saved = writePredictions(main.board(), main.controls(), main.preferences(), path);
    if (!saved)
        main.services().messages.showError("Unable to write to " + path);
    return saved;
}

void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions)
{
    PredictionsReader file(main.controls());
    file.open(path);
    if (file.readFirstRun(main.preferences())) {
        showFirstRunOptions();
        main.preferences().teamNamesPending = true;
        main.SetFirstTimeGroups();
        main.history().clear();
        return;
    }
    loadBoard(main, file);
}

PredictionsLoad LoadPredictions(MainBoard& main, const std::string& path)
{
    PredictionsReader file(main.controls());
    switch (file.open(path)) {
    case SettingsFileState::Missing:
        return PredictionsLoad::Missing;
    case SettingsFileState::Unreadable:
        return PredictionsLoad::Unreadable;
    case SettingsFileState::Loaded:
        break;
    }
    if (file.readFirstRun(main.preferences()))
        return PredictionsLoad::FirstRun;
    loadBoard(main, file);
    return PredictionsLoad::Loaded;
}

}  // namespace tiplark
