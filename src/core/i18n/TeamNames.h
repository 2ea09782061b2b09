#pragma once

#include <string_view>

namespace tiplark {

// The names of the tournaments' teams in English, Spanish, French and
// German, by FIFA code: CLDR's country names through ICU, with the project's
// own where football says otherwise (i18n/TeamNameOverrides.cpp). Built once,
// on first use. A language index outside the four reads English, and so does
// a language the machine's ICU data has no names in.
//
// The views are UTF-8. For a code the tables know they live as long as the
// program; for any other code they are `fallback` (the English name the
// tournament file gives), or `code` itself when that is empty.
//
// The 2006 board keeps its own names (i18n/TeamNameTables.h).

// The most characters (code points) a board form has.
inline constexpr int BoardNameLimit = 14;

// The full name, for places with room: "Bosnia and Herzegovina".
std::string_view teamName(std::string_view code, int languageIndex, std::string_view fallback = {});
// The form for a board cell, at most BoardNameLimit characters: "Bosnia-Herz.".
std::string_view boardTeamName(std::string_view code, int languageIndex, std::string_view fallback = {});
// Whether the tables know a code.
bool knowsTeam(std::string_view code);

}  // namespace tiplark
