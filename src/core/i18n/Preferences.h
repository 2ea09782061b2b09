#pragma once

#include <string>

namespace tiplark {

// The four preferences of the options dialog and the start-up flags; they
// live for the whole run and are written by every save.
struct Preferences {
    int languageIndex = 0;       // 0 English, 1 Spanish, 2 French, 3 German
    int favoriteIndex = 0;       // team number, 0 for none
    std::string favoriteTeam;    // the file of another tournament: its code, empty for none
    double zoneShift = 0.0;      // days: (zone offset - 1 h) / 24
    std::string zoneCode = "x35";
    double daylightShift = 0.0;  // days: 1/24 when daylight saving is ticked
    bool firstRun = true;
    bool teamNamesPending = false;
};

}  // namespace tiplark
