#include "document/ExitPrompt.h"

#include "document/MainBoard.h"
#include "document/PredictionsFile.h"

namespace tiplark {

bool FormClose(MainBoard& main, const std::string& path)
{
    switch (main.services().messages.askYesNoCancel(main.language().text("msg.saveBeforeExit"))) {
    case DialogResult::Yes:
        return SaveAll(main, path);
    case DialogResult::No:
        return true;
    default:
        return false;
    }
}

}  // namespace tiplark
