#pragma once

#include "i18n/Preferences.h"
#include "storage/PredictionKeys.h"

#include <optional>
#include <string>

namespace tiplark {

// The text a save writes for a preference key.
std::string preferenceText(const PredictionKey& key, const Preferences& preferences);

// Reads a preference from its text in the file (std::nullopt: absent). A
// text that cannot be read, or a number out of the key's range, leaves the
// default of a fresh Preferences and gives false: the value was not taken.
bool readPreference(const PredictionKey& key, const std::optional<std::string>& text, Preferences& preferences);

}  // namespace tiplark
