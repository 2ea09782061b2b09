#pragma once

#include "i18n/LanguageTables.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tiplark {

// A team's names by language index: the full name and the board form.
struct TeamNameForms {
    std::array<std::string, LanguageCount> full;
    std::array<std::string, LanguageCount> board;
};

using TeamNameCatalog = std::map<std::string, TeamNameForms, std::less<>>;

// A region's name in a language, or empty when there is none.
using RegionNameSource = std::function<std::string(std::string_view region, int languageIndex)>;

// Every team of teamRegions(), by code: its region's names from the source
// with teamNameOverrides() over them. A language without a name of its own
// takes the English names; a team without an English name either has empty
// names.
TeamNameCatalog buildTeamNameCatalog(const RegionNameSource& regionName);

}  // namespace tiplark
