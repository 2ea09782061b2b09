#include "reference/GroupStage.h"

#include "tournament/BoardRules.h"

#include "tournament/Highlighter.h"
#include "tournament/TournamentTexts.h"

#include <charconv>
#include <string_view>

namespace tiplark {
namespace {

constexpr size_t GoalDifferenceColumn = StandingsColumnCount - 1;

// Decimal text in a caller's buffer: the table is rewritten on every
// keystroke, so this path builds no strings.
class Decimal {
public:
    std::string_view operator()(int32_t value)
    {
        const auto result = std::to_chars(m_buffer.data(), m_buffer.data() + m_buffer.size(), value);
        return {m_buffer.data(), static_cast<size_t>(result.ptr - m_buffer.data())};
    }

private:
    std::array<char, 12> m_buffer{};
};

}  // namespace

GroupStage::GroupStage(Board& board, const BoardControls& controls, const TournamentTexts& texts, Highlighter& highlighter)
    : m_board(board)
    , m_controls(controls)
    , m_texts(texts)
    , m_highlighter(highlighter)
{
    for (int group = 0; group < GroupCount; ++group) {
        for (const auto& match : controls.groups[static_cast<size_t>(group)].score) {
            for (const ControlId box : match)
                board.bindChange(box, [this, group](ControlId) { GroupChange(group); });
        }
    }
}

void GroupStage::GroupChange(int group)
{
    const auto g = static_cast<size_t>(group);
    GroupTable& table = m_tables[g];
    const GroupControls& controls = m_controls.groups[g];
    InitializeGroupStandings(table, groups()[g], m_texts);
    // Every played match is ranked in turn, since the interim passes decide
    // the order of level teams; only the last pass needs writing, unless a
    // score aborts the recomputation: the board then shows the last pass.
    bool ranked = false;
    try {
        for (int m = 0; m < MatchesPerGroup; ++m) {
            const auto& score = controls.score[static_cast<size_t>(m)];
            const auto& label = controls.label[static_cast<size_t>(m)];
            const std::string& score1 = m_board.text(score[0]);
            const std::string& score2 = m_board.text(score[1]);
            if (score1.empty() || score2.empty())
                continue;
            SetGroupScores(score1, score2, m_board.text(label[0]), m_board.text(label[1]), table);
            SetGroupStandings(table);
            ranked = true;
        }
    } catch (const ActionAborted&) {
        if (ranked) {
            writeRows(group);
            m_highlighter.HighlightFavorite();
        }
        throw;
    }
    CalculateGroup(group);
    updateRoundOf16(group);
    m_highlighter.HighlightFavorite();
}

void GroupStage::CalculateGroup(int group)
{
    SetGroupStandingsFinal(m_tables[static_cast<size_t>(group)]);
    writeRows(group);
    m_highlighter.HighlightFavorite();
}

void GroupStage::writeRows(int group)
{
    const auto g = static_cast<size_t>(group);
    const GroupTable& table = m_tables[g];
    const GroupControls& controls = m_controls.groups[g];
    Decimal decimal;
    for (size_t row = 0; row < table.size(); ++row) {
        const GroupStandingsRecord& line = table[row];
        const auto& cells = controls.cell[row];
        const std::array<int32_t, GoalDifferenceColumn> counters = {
            line.points, line.played, line.won, line.tied, line.lost, line.goalsFor, line.goalsAgainst};
        m_board.setText(controls.name[row], line.teamName);
        for (size_t column = 0; column < counters.size(); ++column)
            m_board.setText(cells[column], decimal(counters[column]));
        m_board.setText(cells[GoalDifferenceColumn], AddAPlusToDiff(line.goalDifference));
    }
}

void GroupStage::updateRoundOf16(int group)
{
    const GroupInfo& info = groups()[static_cast<size_t>(group)];
    const GroupTable& table = m_tables[static_cast<size_t>(group)];
    const RoundControls& final8 = m_controls.round(Round::Final8);
    const MatchControls& winnerMatch = final8.matches[static_cast<size_t>(info.winnerMatch)];
    const MatchControls& runnerUpMatch = final8.matches[static_cast<size_t>(info.runnerUpMatch)];
    const ControlId winnerLabel = winnerMatch.label[static_cast<size_t>(info.winnerSide)];
    const ControlId runnerUpLabel = runnerUpMatch.label[static_cast<size_t>(info.runnerUpSide)];

    const bool winnerChanged = m_board.text(winnerLabel) != table[0].teamName;
    const bool runnerUpChanged = m_board.text(runnerUpLabel) != table[1].teamName;
    m_board.setText(winnerLabel, table[0].teamName);
    m_board.setText(runnerUpLabel, table[1].teamName);
    // A result typed for other teams no longer stands; emptying lets the
    // bracket reopen its later rounds through the boxes' change events.
    if (winnerChanged)
        emptyScores(winnerMatch);
    if (runnerUpChanged)
        emptyScores(runnerUpMatch);
}

void GroupStage::emptyScores(const MatchControls& match)
{
    m_board.setText(match.score[0], "");
    m_board.setText(match.score[1], "");
}

void GroupStage::SetFirstTimeGroups()
{
    const Board::Batch action(m_board);
    for (const GroupControls& group : m_controls.groups) {
        for (const ControlId name : group.name)
            PopulateGroupTeamName(name);
    }
    for (const RoundControls& round : m_controls.rounds) {
        for (const MatchControls& match : round.matches) {
            PopulateGroupTeamName(match.label[0]);
            PopulateGroupTeamName(match.label[1]);
        }
    }
    PopulateGroupTeamName(m_controls.champion);
    m_highlighter.HighlightFavorite();
}

void GroupStage::PopulateGroupTeamName(ControlId label)
{
    const std::string& text = m_board.text(label);
    for (int team = 1; team <= TeamCount; ++team) {
        if (text == m_texts.previousTeamName(team)) {
            m_board.setText(label, m_texts.teamName(team));
            return;
        }
    }
}

}  // namespace tiplark
