#pragma once

#include <string>
#include <vector>

namespace tiplark {

// The pool window's choice, remembered between runs in a section of the
// settings file of its own, "POOL", which the predictions keys never touch.
struct PoolChoice {
    std::vector<std::string> files;
    bool includeBoard = true;

    bool operator==(const PoolChoice&) const = default;
};

// An absent file or section gives an empty choice with the board included.
PoolChoice readPoolChoice(const std::string& settingsPath);
// Rewrites only the "POOL" section; false when the file could not be written.
bool writePoolChoice(const std::string& settingsPath, const PoolChoice& choice);

}  // namespace tiplark
