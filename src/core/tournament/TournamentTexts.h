#pragma once

#include <string>
#include <string_view>

namespace tiplark {

// The words the rules put on the board or ask with, in the language in force.
// The language layer implements it; the rules ask at every use, so a change
// of language or favourite reaches them without being told.
class TournamentTexts {
public:
    virtual ~TournamentTexts() = default;

    // Team 1..32 by its board name; 0 is no team.
    virtual const std::string& teamName(int team) const = 0;
    // The name the team had before the last change of language: board
    // labels still carry it until they are translated.
    virtual const std::string& previousTeamName(int team) const = 0;
    // The favourite team's name, empty for none.
    virtual const std::string& favoriteName() const = 0;
    // A message text by key; empty for an unknown key.
    virtual const std::string& text(std::string_view key) const = 0;

protected:
    TournamentTexts() = default;
    TournamentTexts(const TournamentTexts&) = default;
    TournamentTexts& operator=(const TournamentTexts&) = default;
};

}  // namespace tiplark
