#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"

#include <array>

namespace tiplark {

class Highlighter;

// The bracket from the round of 16 to the final and the third-place match.
// Binds GroupStageChange, ThirdChange and FinalChange to their boxes when
// constructed. Every match is re-derived from its boxes on each change; the
// boxes this emptied raise their own change events, which carry the effect
// down the bracket before the setter returns.
class Knockout {
public:
    Knockout(Board& board, const BoardControls& controls, Highlighter& highlighter);

    // Change event of the 56 score and penalty boxes of the round of 16,
    // quarter- and semi-finals; the match is found from the sender.
    void GroupStageChange(ControlId sender);
    // Change events of the third-place and the final boxes.
    void ThirdChange();
    void FinalChange();
    // Champion from the final's boxes.
    void CalculateWinner();
    // The loser of semi-final 1 (2) into the third-place slot Third11 (Third12).
    void SetFirstThirdPlace() { setThirdPlace(0); }
    void SetSecondThirdPlace() { setThirdPlace(1); }

private:
    static constexpr int BracketSize = 14;  // 8 + 4 + 2 matches before the final
    static constexpr int ToFinal = -1;      // nextRow of a semi-final

    // A slot of a later round: the label the team goes to and its score box.
    // The third-place slots are opened and filled the same way.
    struct Slot {
        ControlId label;
        ControlId score;
    };
    // One row of the bracket, in the order GroupStageChange looks matches up.
    struct BracketMatch {
        MatchControls boxes;
        Slot next;
        int nextRow;    // row of the match the winner goes to, or ToFinal
        int thirdSide;  // third-place side the loser goes to; -1 before the semi-finals
    };
    // Winning side of a match: 0, 1, or NoWinner.
    static constexpr int NoWinner = -1;

    void evaluate(const BracketMatch& match);
    void CheckKnockoutMatch(const BracketMatch& match);
    void CalculateKnockoutWinner(const BracketMatch& match);
    void EnableNextRound(Slot slot);
    void DisableNextRound(Slot slot);
    void ShowPenalties(const MatchControls& match, bool shown);
    void ClearPenalties(const MatchControls& match);
    void setThirdPlace(int semi);
    // A third-place slot opens and fills like a slot of the next round.
    void EnableThirdPlace(Slot slot) { EnableNextRound(slot); }
    void DisableThirdPlace(Slot slot) { DisableNextRound(slot); }

    // The final and the third place show their penalty mode by their "Pen." label.
    void SetFinalPenalties(bool on) { setPenaltyMode(Round::Final, on); }
    void ClearFinalPenalties() { ClearPenalties(m_controls.finalMatch()); }
    void SetThirdPenalties(bool on) { setPenaltyMode(Round::Third, on); }
    void ClearThirdPenalties() { ClearPenalties(m_controls.thirdPlaceMatch()); }
    void setPenaltyMode(Round round, bool on);
    bool penaltyMode(Round round) const;

    bool bothScores(const MatchControls& match) const;
    bool levelScores(const MatchControls& match) const;
    int winner(const MatchControls& match) const;
    void markWinner(const MatchControls& match, int side);

    Board& m_board;
    const BoardControls& m_controls;
    Highlighter& m_highlighter;
    std::array<BracketMatch, BracketSize> m_bracket{};
};

}  // namespace tiplark
