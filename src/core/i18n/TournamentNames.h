#pragma once

#include "engine/Tournament.h"

#include <string>

namespace tiplark {

// The name of a team of a tournament in a language, in its board form: the
// tournament file's own name for the language where it gives one, else the
// project's names (i18n/TeamNames.h). Every text that names such a team goes
// through here.
std::string tournamentTeamName(int languageIndex, const Tournament& tournament, int team);

// The name of a knockout round in a language: the program's own for the
// rounds it knows by id (round-of-32 … final), else the file's name.
const std::string& roundName(int languageIndex, const Tournament& tournament, int round);

}  // namespace tiplark
