#include "venues/Celebration.h"

#include "tournament/BoardControls.h"
#include "tournament/TournamentData.h"

namespace tiplark {

bool isChampionDecided(const std::string& championText)
{
    return championText != Placeholder;
}

std::string raiseLatinLetters(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

Celebration ChampionClick(const std::string& champion, const std::string& favoriteName,
                          const std::string& congratulations)
{
    const bool cheering = !favoriteName.empty() && champion == favoriteName;
    Celebration result{cheering, champion + "!!!!", raiseLatinLetters(champion) + "!!!", congratulations,
                       0, 0, nullptr};
    if (cheering) {
        result.width = 462;
        result.height = 540;
        result.soundFile = "Cheers.wav";
    } else {
        result.width = 240;
        result.height = 320;
        result.soundFile = "Boo.wav";
    }
    return result;
}

}  // namespace tiplark
