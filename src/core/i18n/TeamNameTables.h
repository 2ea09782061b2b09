#pragma once

#include <string>

namespace tiplark {

// The board name of team 1..32 in a language (any index outside Spanish and
// French reads English); team 0 is the empty "team.none".
const std::string& teamNameIn(int languageIndex, int team);

}  // namespace tiplark
