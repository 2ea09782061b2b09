#pragma once

#include "board/Board.h"
#include "tournament/TournamentData.h"

#include <array>
#include <string>

namespace tiplark::testing {

// The board headings of one language, as the language switch writes them,
// so that report and schedule tests can run on a bare board.
inline void setBoardCaptions(Board& board, int languageIndex)
{
    struct Captions {
        const char* group;
        std::array<const char*, StandingsColumnCount> columns;
        const char* final;
        const char* suffix;
        const char* third;
        const char* champion;
    };
    static const std::array<Captions, 3> table = {{
        {"Group ", {"Pts", "P", "W", "T", "L", "GF", "GA", "Dif"}, "Final", "s", "3rd Place", "Champion"},
        {"Grupo ", {"Pts", "J", "G", "E", "P", "GP", "GC", "Avr"}, "Final", "es", "Tercer", "Campeon"},
        {"Groupe ", {"Pts", "J", "G", "N", "P", "BP", "BC", "Dif"}, "Finale", "s", "3ème Place", "Champion"},
    }};
    const Captions& c = table.at(static_cast<std::size_t>(languageIndex));
    for (const GroupInfo& group : groups()) {
        const std::string letter(1, group.letter);
        board.setText("Group" + letter + "Lbl", c.group + letter);
        for (std::size_t col = 0; col < StandingsColumnCount; ++col)
            board.setText("G" + letter + StandingsColumns[col] + "Lbl", c.columns[col]);
    }
    const std::string final = c.final;
    board.setText("Final8Lbl", "1/8 " + final + c.suffix);
    board.setText("Final4Lbl", "1/4 " + final + c.suffix);
    board.setText("Final2Lbl", "1/2 " + final + c.suffix);
    board.setText("ThirdLbl", c.third);
    board.setText("FinalLbl", final);
    board.setText("ChampionLbl", c.champion);
}

}  // namespace tiplark::testing
