#include "document/ExitPrompt.h"

#include "document/MainBoard.h"
#include "document/PredictionsFile.h"
#include "platform/Trace.h"

namespace tiplark {

bool FormClose(MainBoard& main, const std::string& path)
{
    switch (main.services().messages.askYesNoCancel(main.language().text("msg.saveBeforeExit"))) {
    case DialogResult::Yes:
        if (!SaveAll(main, path))
            return false;
        EndTrace();
        return true;
    case DialogResult::No:
        EndTrace();
        return true;
    default:
        return false;
    }
}

}  // namespace tiplark
