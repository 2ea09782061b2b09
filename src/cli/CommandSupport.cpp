#include "CommandSupport.h"

#include "PrintableName.h"
#include "document/LoadFailure.h"
#include "i18n/LanguageTables.h"

#include <ostream>

namespace tiplark {

void reportFileProblem(std::ostream& err, std::string_view file, std::string_view problem)
{
    err << Program << ": " << printableName(file) << ": " << problem << '\n';
}

void reportLoadFailure(std::ostream& err, std::string_view file, PredictionsLoad load)
{
    err << Program << ": " << loadFailureMessage(LanguageEnglish, printableName(file), load) << '\n';
}

int finishOutput(std::ostream& out, std::ostream& err, ExitStatus status)
{
    out.flush();
    if (!out) {
        err << Program << ": cannot write the output\n";
        return static_cast<int>(ExitStatus::Failure);
    }
    return static_cast<int>(status);
}

}  // namespace tiplark
