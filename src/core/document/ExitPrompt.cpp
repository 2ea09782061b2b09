#include "document/ExitPrompt.h"

#include "document/MainBoard.h"
#include "document/PredictionsFile.h"

namespace tiplark {
namespace {

bool askToSave(MainBoard& main, const std::string& path, const char* questionKey)
{
    switch (main.services().messages.askYesNoCancel(main.language().text(questionKey))) {
    case DialogResult::Yes:
        return SaveAll(main, path);
    case DialogResult::No:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool FormClose(MainBoard& main, const std::string& path)
{
    return askToSave(main, path, "msg.saveBeforeExit");
}

bool LeaveForAnotherPrediction(MainBoard& main, const std::string& path)
{
    return !hasUnsavedChanges(main) || askToSave(main, path, "msg.saveBeforeSwitch");
}

}  // namespace tiplark
