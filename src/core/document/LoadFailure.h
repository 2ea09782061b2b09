#pragma once

#include "document/PredictionsFile.h"

#include <string>

namespace tiplark {

// Why a predictions file was not loaded, as every front end says it: the
// text key of the reason ("file.missing", "file.unreadable",
// "file.notSaved"), or nullptr when the file was loaded.
const char* loadFailureKey(PredictionsLoad load);

// "Unable to read <path>: <reason>" in a language; the path as the caller
// wants it shown.
std::string loadFailureMessage(int languageIndex, const std::string& path, PredictionsLoad load);

}  // namespace tiplark
