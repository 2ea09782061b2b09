#pragma once

#include "RecordingServices.h"

namespace tiplark::testing {

// Plays every knockout match 2-1 for side 1, round by round from the round of
// 16 to the third place and the final. Afterwards the champion is the team of
// Final811Lbl and Third11Lbl holds the team of Final851Lbl.
inline void playBracket(BoardHarness& h)
{
    for (const RoundControls& round : h.main.controls().rounds) {
        for (const MatchControls& match : round.matches) {
            h.board().setText(match.score[0], "2");
            h.board().setText(match.score[1], "1");
        }
    }
}

}  // namespace tiplark::testing
