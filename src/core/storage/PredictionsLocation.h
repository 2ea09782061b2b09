#pragma once

#include "engine/Tournament.h"

#include <string>
#include <vector>

namespace tiplark {

inline constexpr const char* PredictionsFileName = "Tiplark.ini";

// Where the predictions file lives, for loading and saving alike:
// "Tiplark.ini" in the program's folder when that folder can be written
// (a program unpacked into the user's own folders) and is not one of the
// system's program folders (/usr/..., /bin, /sbin), which even root must not
// fill with settings; otherwise, for a program installed system-wide,
// "Tiplark/Tiplark.ini" in the user's configuration folder ($XDG_CONFIG_HOME,
// by default ~/.config), which is created here so that the first save can
// write into it.
std::string predictionsFilePath(const std::string& programFolder);

// The predictions file of a tournament, beside Tiplark.ini at
// `predictionsPath`: Tiplark.ini itself for the default tournament,
// "Tiplark-<year>.ini" for another, or "Tiplark-<id>.ini" when another
// tournament of `all` has the same year.
std::string tournamentPredictionsPath(const std::string& predictionsPath, const Tournament& tournament,
                                      const std::vector<Tournament>& all);

}  // namespace tiplark
