#include "document/LoadFailure.h"

#include "i18n/LanguageTables.h"

namespace tiplark {

const char* loadFailureKey(PredictionsLoad load)
{
    switch (load) {
    case PredictionsLoad::Missing:
        return "file.missing";
    case PredictionsLoad::Unreadable:
        return "file.unreadable";
    case PredictionsLoad::FirstRun:
        return "file.notSaved";
    case PredictionsLoad::TooLarge:
        return "file.tooLarge";
    case PredictionsLoad::OtherTournament:
        return "file.otherTournament";
    case PredictionsLoad::Loaded:
        break;
    }
    return nullptr;
}

std::string loadFailureMessage(int languageIndex, const std::string& path, PredictionsLoad load)
{
    const char* reason = loadFailureKey(load);
    return fillIn(languageText(languageIndex, "msg.cannotRead"), path, reason ? languageText(languageIndex, reason) : "");
}

}  // namespace tiplark
