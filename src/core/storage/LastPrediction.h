#pragma once

#include <optional>
#include <string>

namespace tiplark {

// The session file beside Tiplark.ini: which predictions file the user last
// chose to open (File > New Prediction for, Open Prediction), so that the
// next start opens it again. It is written only once the user has chosen, so
// a user who never does finds no file of it, and Tiplark.ini and the start
// stay as ever.
inline constexpr const char* LastPredictionFileName = "Tiplark-session.cfg";

// The session file for the predictions file at `predictionsPath`.
std::string lastPredictionSessionPath(const std::string& predictionsPath);

// The predictions file remembered; std::nullopt without a session file or
// a file named in it.
std::optional<std::string> readLastPrediction(const std::string& predictionsPath);

// Remembers `opened`; false when the session file could not be written.
bool rememberLastPrediction(const std::string& predictionsPath, const std::string& opened);

}  // namespace tiplark
