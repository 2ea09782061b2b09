#include "reference/Knockout.h"

#include "platform/ScoreText.h"
#include "tournament/Highlighter.h"

namespace tiplark {

Knockout::Knockout(Board& board, const BoardControls& controls, Highlighter& highlighter)
    : m_board(board)
    , m_controls(controls)
    , m_highlighter(highlighter)
{
    // The rounds that send their winners on, with the bracket row at which
    // the receiving round starts.
    struct Stage {
        Round round;
        Round next;
        int nextFirstRow;
    };
    constexpr std::array<Stage, 3> Stages = {{
        {Round::Final8, Round::Final4, 8},
        {Round::Final4, Round::Final2, 12},
        {Round::Final2, Round::Final, ToFinal},
    }};
    size_t row = 0;
    for (const Stage& stage : Stages) {
        const std::vector<MatchControls>& matches = controls.round(stage.round).matches;
        for (int m = 0; m < static_cast<int>(matches.size()); ++m) {
            const NextSlot slot = nextSlot(stage.round, m);
            const MatchControls& next = controls.round(stage.next).matches[static_cast<size_t>(slot.match)];
            BracketMatch& entry = m_bracket[row++];
            entry.boxes = matches[static_cast<size_t>(m)];
            entry.next = {next.label[slot.side], next.score[slot.side]};
            entry.nextRow = stage.nextFirstRow == ToFinal ? ToFinal : stage.nextFirstRow + slot.match;
            entry.thirdSide = stage.round == Round::Final2 ? m : -1;
        }
    }

    const auto bindBoxes = [&board](const MatchControls& match, const Board::ChangeHandler& handler) {
        for (int side = 0; side < 2; ++side) {
            board.bindChange(match.score[side], handler);
            board.bindChange(match.penalty[side], handler);
        }
    };
    for (const BracketMatch& match : m_bracket)
        bindBoxes(match.boxes, [this](ControlId sender) { GroupStageChange(sender); });
    bindBoxes(controls.thirdPlaceMatch(), [this](ControlId) { ThirdChange(); });
    bindBoxes(controls.finalMatch(), [this](ControlId) { FinalChange(); });
}

void Knockout::GroupStageChange(ControlId sender)
{
    for (const BracketMatch& match : m_bracket) {
        const MatchControls& b = match.boxes;
        if (sender == b.score[0] || sender == b.score[1] || sender == b.penalty[0] || sender == b.penalty[1]) {
            evaluate(match);
            break;
        }
    }
    m_highlighter.HighlightFavorite();
}

void Knockout::evaluate(const BracketMatch& match)
{
    CheckKnockoutMatch(match);
    if (match.thirdSide == 0)
        SetFirstThirdPlace();
    else if (match.thirdSide == 1)
        SetSecondThirdPlace();
}

void Knockout::CheckKnockoutMatch(const BracketMatch& match)
{
    const MatchControls& b = match.boxes;
    if (!bothScores(b)) {
        // Penalties are always emptied before they are hidden, so a level
        // score entered later starts its shoot-out from empty boxes.
        ClearPenalties(b);
        ShowPenalties(b, false);
        CalculateKnockoutWinner(match);
        return;
    }
    const bool penaltyModeOn = m_board.control(b.penalty[0]).visible;
    if (!levelScores(b) || penaltyModeOn) {
        CalculateKnockoutWinner(match);
        return;
    }
    DisableNextRound(match.next);
    markWinner(b, NoWinner);
    ShowPenalties(b, true);
}

void Knockout::CalculateKnockoutWinner(const BracketMatch& match)
{
    const MatchControls& b = match.boxes;
    const int side = winner(b);
    if (side == NoWinner) {
        DisableNextRound(match.next);
        markWinner(b, NoWinner);
        return;
    }
    if (!levelScores(b)) {
        ClearPenalties(b);
        ShowPenalties(b, false);
    }
    EnableNextRound(match.next);
    const std::string& caption = m_board.text(b.label[side]);
    const bool newTeam = m_board.text(match.next.label) != caption;
    m_board.setText(match.next.label, caption);
    markWinner(b, side);
    // Labels raise no change event, so a changed winner would otherwise stay
    // behind in every later slot that had taken the old one. The next match is
    // re-derived from its own boxes; typed scores stay as they are.
    if (!newTeam)
        return;
    if (match.nextRow == ToFinal)
        CalculateWinner();
    else
        evaluate(m_bracket[static_cast<size_t>(match.nextRow)]);
}

void Knockout::EnableNextRound(Slot slot)
{
    m_board.setEnabled(slot.score, true);
    m_board.setEnabled(slot.label, true);
}

void Knockout::DisableNextRound(Slot slot)
{
    m_board.setEnabled(slot.score, false);
    // Emptying a score raises the next match's change event: the cascade.
    m_board.setText(slot.score, "");
    m_board.setText(slot.label, Placeholder);
    m_board.setEnabled(slot.label, false);
}

void Knockout::ShowPenalties(const MatchControls& match, bool shown)
{
    m_board.setVisible(match.penalty[0], shown);
    m_board.setVisible(match.penalty[1], shown);
}

void Knockout::ClearPenalties(const MatchControls& match)
{
    m_board.setText(match.penalty[0], "");
    m_board.setText(match.penalty[1], "");
}

void Knockout::setThirdPlace(int semi)
{
    const MatchControls& semiFinal = m_bracket[static_cast<size_t>(BracketSize - 2 + semi)].boxes;
    const MatchControls& third = m_controls.thirdPlaceMatch();
    const Slot slot{third.label[semi], third.score[semi]};
    const int side = winner(semiFinal);
    if (side == NoWinner) {
        DisableThirdPlace(slot);
        return;
    }
    EnableThirdPlace(slot);
    m_board.setText(slot.label, m_board.text(semiFinal.label[1 - side]));
}

void Knockout::ThirdChange()
{
    const MatchControls& b = m_controls.thirdPlaceMatch();
    if (!bothScores(b)) {
        markWinner(b, NoWinner);
        ClearThirdPenalties();
        SetThirdPenalties(false);
    } else if (!levelScores(b)) {
        markWinner(b, winner(b));
        ClearThirdPenalties();
        SetThirdPenalties(false);
    } else if (penaltyMode(Round::Third)) {
        markWinner(b, winner(b));
    } else {
        markWinner(b, NoWinner);
        SetThirdPenalties(true);
    }
    m_highlighter.HighlightFavorite();
}

void Knockout::FinalChange()
{
    const MatchControls& b = m_controls.finalMatch();
    if (!bothScores(b)) {
        ClearFinalPenalties();
        SetFinalPenalties(false);
        CalculateWinner();
    } else if (levelScores(b) && !penaltyMode(Round::Final)) {
        m_board.setText(m_controls.champion, Placeholder);
        SetFinalPenalties(true);
    } else {
        CalculateWinner();
    }
    m_highlighter.HighlightFavorite();
}

void Knockout::CalculateWinner()
{
    const MatchControls& b = m_controls.finalMatch();
    const int side = winner(b);
    if (side != NoWinner && !levelScores(b)) {
        ClearFinalPenalties();
        SetFinalPenalties(false);
    }
    m_board.setText(m_controls.champion, side == NoWinner ? std::string_view(Placeholder) : m_board.text(b.label[side]));
}

void Knockout::setPenaltyMode(Round round, bool on)
{
    const RoundControls& controls = m_controls.round(round);
    m_board.setEnabled(controls.penaltyHeading, on);
    ShowPenalties(controls.matches[0], on);
}

bool Knockout::penaltyMode(Round round) const
{
    return m_board.control(m_controls.round(round).penaltyHeading).enabled;
}

bool Knockout::bothScores(const MatchControls& match) const
{
    return !m_board.text(match.score[0]).empty() && !m_board.text(match.score[1]).empty();
}

bool Knockout::levelScores(const MatchControls& match) const
{
    return scoreValue(m_board.text(match.score[0])) == scoreValue(m_board.text(match.score[1]));
}

int Knockout::winner(const MatchControls& match) const
{
    const auto ahead = [](int a, int b) { return a == b ? NoWinner : (a > b ? 0 : 1); };
    if (!bothScores(match))
        return NoWinner;
    const int inPlay = ahead(scoreValue(m_board.text(match.score[0])), scoreValue(m_board.text(match.score[1])));
    if (inPlay != NoWinner)
        return inPlay;
    const std::string& penaltyA = m_board.text(match.penalty[0]);
    const std::string& penaltyB = m_board.text(match.penalty[1]);
    if (penaltyA.empty() || penaltyB.empty())
        return NoWinner;
    return ahead(scoreValue(penaltyA), scoreValue(penaltyB));
}

void Knockout::markWinner(const MatchControls& match, int side)
{
    m_board.setBold(match.label[0], side == 0);
    m_board.setBold(match.label[1], side == 1);
}

}  // namespace tiplark
