#pragma once

#include <string>

namespace tiplark {

// ChampionMouseMove: Champion reacts to a click only while it names a team.
bool isChampionDecided(const std::string& championText);

// The champion in capitals for WinnerLbl: only a to z are raised, accented
// letters and every other byte stay as they are.
std::string raiseLatinLetters(std::string text);

// Everything ChampionClick decides about the celebration window; the window
// only applies it.
struct Celebration {
    bool cheering;                    // the champion is the favourite team
    std::string caption;              // champion + "!!!!"
    std::string winner;               // WinnerLbl: capitals + "!!!"
    std::string congratulations;      // CongratulationsLbl
    int width;                        // the window's smallest size
    int height;
    const char* soundFile;            // "Cheers.wav" or "Boo.wav"
};

// champion: the Champion label; favoriteName: the favourite team in the
// current language, empty when none was chosen (then every champion is booed);
// congratulations: champion.congratulations of the current language.
Celebration ChampionClick(const std::string& champion, const std::string& favoriteName,
                          const std::string& congratulations);

}  // namespace tiplark
