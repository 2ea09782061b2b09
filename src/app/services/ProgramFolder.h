#pragma once

#include <string>

namespace tiplark {

// The folder of the running program, ending in a path separator; the
// settings file and the sound files are looked up there.
std::string programFolder();

}  // namespace tiplark
