#pragma once

#include <string>

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

}  // namespace tiplark
