#include "document/LoadAndSave.h"

#include "document/MainBoard.h"
#include "i18n/Language.h"
#include "storage/AtomicFile.h"
#include "storage/PredictionsFile.h"

namespace tiplark {
namespace {

constexpr const char* BackupSuffix = ".bak";

void loadBoard(MainBoard& main, const PredictionsReader& file)
{
    file.readPreferences(main.preferences());
    main.language().SetPreviousTeamNamesEnglish();
    main.ApplyLanguage();
    file.fillBoxes(main.board());
    main.ApplyLanguage();
    main.preferences().teamNamesPending = true;
    main.SetFirstTimeGroups();
}

// Start-up load of the opened file into the board. True on a first run.
bool readFile(MainBoard& main, const PredictionsReader& file)
{
    if (file.readFirstRun(main.preferences())) {
        main.preferences().unloadedData = !file.bytes().empty();
        return true;
    }
    loadBoard(main, file);
    main.preferences().unloadedData = file.losesData(main.board(), main.preferences());
    main.history().clear();
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

}  // namespace

std::string predictionsFileText(const MainBoard& main, const std::string& previous)
{
    return predictionsFileText(main.board(), main.controls(), main.preferences(), SettingsFile(previous));
}

bool SaveAll(MainBoard& main, const std::string& path)
{
    SettingsFile previous;
    // A file that exists but cannot be read is not replaced: its other
    // sections would be lost.
    if (previous.load(path) == SettingsFileState::Unreadable) {
        main.services().messages.showError("Unable to write to " + path);
        return false;
    }
    Preferences& preferences = main.preferences();
    if (preferences.unloadedData && !previous.bytes().empty()) {
        if (!keepBackup(main, path, previous.bytes()))
            return false;
        preferences.unloadedData = false;
    }
    if (!replaceFileAtomically(path, predictionsFileText(main.board(), main.controls(), preferences, previous))) {
        main.services().messages.showError("Unable to write to " + path);
        return false;
    }
    preferences.unloadedData = false;
    return true;
}

void ReadAll(MainBoard& main, const std::string& path, const std::function<void()>& showFirstRunOptions)
{
    PredictionsReader file(main.controls());
    file.open(path);
    if (readFile(main, file)) {
        showFirstRunOptions();
        main.preferences().teamNamesPending = true;
        main.SetFirstTimeGroups();
        main.history().clear();
    }
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
    return readFile(main, file) ? PredictionsLoad::FirstRun : PredictionsLoad::Loaded;
}

}  // namespace tiplark
