#include "tournament/BoardRules.h"

#include "engine/LevelOrderText.h"
#include "platform/ScoreText.h"
#include "tournament/Highlighter.h"
#include "tournament/TournamentTexts.h"

namespace tiplark {
namespace {

constexpr size_t GoalDifferenceColumn = StandingsColumnCount - 1;

int goalsOf(const std::string& text)
{
    return text.empty() ? MatchScore::Empty : scoreValue(text);
}

std::string goalsText(int goals)
{
    return goals == MatchScore::Empty ? std::string() : std::to_string(goals);
}

bool inRun(const std::vector<LevelRun>& runs, size_t row)
{
    for (const LevelRun& run : runs) {
        if (row >= run.first && row < run.first + run.count)
            return true;
    }
    return false;
}

std::string filledIn(std::string text, std::string_view value)
{
    const size_t at = text.find("%1");
    return at == std::string::npos ? text : text.replace(at, 2, value);
}

}  // namespace

std::string AddAPlusToDiff(int difference)
{
    // One digit, so built directly: GCC 12 at -O3 warns falsely on "+" + to_string.
    if (difference >= 1 && difference <= 9)
        return {'+', static_cast<char>('0' + difference)};
    return std::to_string(difference);
}

BoardRules::BoardRules(Board& board, const BoardControls& controls, const Tournament& tournament,
                       const TournamentTexts& texts, Highlighter& highlighter)
    : m_board(board)
    , m_controls(controls)
    , m_tournament(tournament)
    , m_texts(texts)
    , m_highlighter(highlighter)
    , m_play(tournament)
    , m_roles(static_cast<size_t>(board.size()))
{
    const auto bind = [this](ControlId box, BoxRole role) {
        m_roles[static_cast<size_t>(box)] = role;
        m_board.bindChange(box, [this](ControlId sender) { changed(sender); });
    };
    for (const GroupControls& group : controls.groups) {
        for (size_t m = 0; m < group.score.size(); ++m) {
            for (const ControlId box : group.score[m])
                bind(box, {BoxRole::Kind::GroupScore, group.group, static_cast<int>(m), nullptr});
        }
        if (group.levelOrder != NoControl)
            bind(group.levelOrder, {BoxRole::Kind::LevelOrder, group.group, 0, nullptr});
    }
    for (const RoundControls& round : controls.rounds) {
        for (const MatchControls& match : round.matches) {
            for (size_t side = 0; side < 2; ++side) {
                bind(match.score[side], {BoxRole::Kind::KnockoutBox, 0, match.match, &match});
                bind(match.penalty[side], {BoxRole::Kind::KnockoutBox, 0, match.match, &match});
            }
        }
    }
    for (const ThirdsControls& thirds : controls.thirds)
        bind(thirds.levelOrder, {BoxRole::Kind::LevelOrder, -1, 0, nullptr});

    // The design state: every table in team-list order without numbers, the
    // first round filled from those tables.
    for (size_t g = 0; g < controls.groups.size(); ++g)
        writeGroup(static_cast<int>(g));
    writeThirds();
    writeKnockout();
}

void BoardRules::reread()
{
    Prediction prediction = Prediction::empty(m_tournament);
    for (const GroupControls& group : m_controls.groups) {
        const std::vector<int>& matches = m_tournament.groups[static_cast<size_t>(group.group)].matches;
        for (size_t m = 0; m < group.score.size(); ++m) {
            for (size_t side = 0; side < 2; ++side)
                prediction.group[static_cast<size_t>(matches[m])].goals[side] = goalsOf(m_board.text(group.score[m][side]));
        }
        if (group.levelOrder != NoControl)
            prediction.levelOrder.groups[static_cast<size_t>(group.group)] =
                readLevelOrder(m_tournament, m_board.text(group.levelOrder), group.group).teams;
    }
    for (const RoundControls& round : m_controls.rounds) {
        for (const MatchControls& match : round.matches) {
            MatchScore& score = prediction.knockout[static_cast<size_t>(match.match)];
            for (size_t side = 0; side < 2; ++side) {
                score.goals[side] = goalsOf(m_board.text(match.score[side]));
                score.penalties[side] = goalsOf(m_board.text(match.penalty[side]));
            }
        }
    }
    for (const ThirdsControls& thirds : m_controls.thirds)
        prediction.levelOrder.thirds = readLevelOrder(m_tournament, m_board.text(thirds.levelOrder), -1).teams;
    m_play.load(std::move(prediction));
}

void BoardRules::changed(ControlId box)
{
    if (m_writing)
        return;
    const BoxRole& role = m_roles[static_cast<size_t>(box)];
    switch (role.kind) {
    case BoxRole::Kind::GroupScore:
        groupChange(role.group, role.match);
        break;
    case BoxRole::Kind::KnockoutBox:
        knockoutChange(*role.boxes);
        break;
    case BoxRole::Kind::LevelOrder:
        levelOrderChange(role.group, box);
        break;
    case BoxRole::Kind::None:
        break;
    }
    m_highlighter.HighlightFavorite();
}

// GroupAChange .. : a box of the group that holds no number ends the action
// with ActionAborted before anything changes.
void BoardRules::groupChange(int group, int match)
{
    const GroupControls& controls = m_controls.groups[static_cast<size_t>(group)];
    for (const auto& pair : controls.score) {
        for (const ControlId box : pair)
            scoreValue(m_board.text(box).empty() ? "0" : m_board.text(box));
    }
    const auto& boxes = controls.score[static_cast<size_t>(match)];
    MatchScore score;
    score.goals = {goalsOf(m_board.text(boxes[0])), goalsOf(m_board.text(boxes[1]))};
    m_play.setGroupScore(m_tournament.groups[static_cast<size_t>(group)].matches[static_cast<size_t>(match)], score);
    writeGroup(group);
    writeThirds();
    writeKnockout();
}

// GroupStageChange, ThirdChange and FinalChange: any box of a knockout match.
void BoardRules::knockoutChange(const MatchControls& match)
{
    MatchScore score;
    for (size_t side = 0; side < 2; ++side) {
        score.goals[side] = goalsOf(m_board.text(match.score[side]));
        score.penalties[side] = goalsOf(m_board.text(match.penalty[side]));
    }
    m_play.setKnockoutScore(match.match, score);
    writeKnockout();
}

void BoardRules::levelOrderChange(int group, ControlId box)
{
    m_play.setLevelOrder(group, readLevelOrder(m_tournament, m_board.text(box), group).teams);
    if (group >= 0)
        writeGroup(group);
    writeThirds();
    writeKnockout();
}

std::string BoardRules::teamText(int team) const
{
    return team == NoTeam ? std::string(Placeholder) : m_texts.teamName(team + 1);
}

void BoardRules::writeGroup(int group)
{
    const GroupControls& controls = m_controls.groups[static_cast<size_t>(group)];
    const RankedTable& table = m_play.outcome().groups[static_cast<size_t>(group)];
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const TeamRecord& line = table.rows[row];
        const auto& cells = controls.cell[row];
        m_board.setText(controls.name[row], m_texts.teamName(line.team + 1));
        const std::array<int, GoalDifferenceColumn> counters = {line.points, line.played, line.won,     line.drawn,
                                                                line.lost,   line.goalsFor, line.goalsAgainst};
        // A group nobody has scored shows no numbers.
        for (size_t column = 0; column < counters.size(); ++column)
            m_board.setText(cells[column], table.ranked ? std::to_string(counters[column]) : std::string());
        m_board.setText(cells[GoalDifferenceColumn], table.ranked ? AddAPlusToDiff(line.goalDifference()) : std::string());
    }
    if (controls.levelMark != NoControl)
        writeGroupLevel(group);
}

void BoardRules::writeGroupLevel(int group)
{
    const GroupControls& controls = m_controls.groups[static_cast<size_t>(group)];
    const std::vector<LevelRun> runs = groupLevelRuns(m_play, group);
    for (size_t row = 0; row < controls.rowNumber.size(); ++row) {
        const std::string_view after = inRun(runs, row) ? LevelRowMark : ".";
        m_board.setText(controls.rowNumber[row], std::to_string(row + 1) + std::string(after));
    }
    writeLevelMark(controls.levelMark, m_play.outcome().groups[static_cast<size_t>(group)], runs, false);
}

void BoardRules::writeThirdsLevel()
{
    const ThirdsControls& controls = m_controls.thirds.front();
    const ThirdsTable& thirds = m_play.outcome().thirds;
    const std::vector<LevelRun> runs = thirdsLevelRuns(m_play);
    for (size_t row = 0; row < controls.rows.size(); ++row) {
        const char letter = m_tournament.groups[static_cast<size_t>(thirds.groups[row])].letter;
        const std::string_view after = inRun(runs, row) ? LevelRowMark : "";
        m_board.setText(controls.rows[row].group, std::string(1, letter) + std::string(after));
    }
    writeLevelMark(controls.levelMark, thirds.table, runs, true);
}

// "Senegal = Japan: level on every criterion …", a line for the runs the
// default order left and one for those in the chosen order.
void BoardRules::writeLevelMark(ControlId mark, const RankedTable& table, const std::vector<LevelRun>& runs, bool thirds)
{
    std::string hint;
    for (const bool chosen : {false, true}) {
        std::string teams;
        for (const LevelRun& run : runs) {
            if (run.chosen != chosen)
                continue;
            teams += teams.empty() ? "" : "; ";
            for (size_t row = run.first; row < run.first + run.count; ++row)
                teams += (row == run.first ? "" : " = ") + m_texts.teamName(table.rows[row].team + 1);
        }
        if (teams.empty())
            continue;
        const char* key = thirds ? (chosen ? "level.thirdsChosen" : "level.thirdsByGroup")
                                 : (chosen ? "level.groupChosen" : "level.groupByDraw");
        hint += (hint.empty() ? "" : "\r") + filledIn(m_texts.text(key), teams);
    }
    m_board.setHint(mark, hint);
    m_board.setVisible(mark, !runs.empty());
}

void BoardRules::writeLevelMarks()
{
    const Board::Batch action(m_board);
    for (const GroupControls& group : m_controls.groups) {
        if (group.levelMark != NoControl)
            writeGroupLevel(group.group);
    }
    if (!m_controls.thirds.empty())
        writeThirdsLevel();
}

void BoardRules::writeThirds()
{
    if (m_controls.thirds.empty())
        return;
    const ThirdsControls& controls = m_controls.thirds.front();
    const ThirdPlacedRule& rule = *m_tournament.thirds;
    const ThirdsTable& thirds = m_play.outcome().thirds;
    for (size_t row = 0; row < controls.rows.size(); ++row) {
        const ThirdsControls::Row& line = controls.rows[row];
        const TeamRecord& record = thirds.table.rows[row];
        const int group = thirds.groups[row];
        const bool ranked = m_play.outcome().groups[static_cast<size_t>(group)].ranked;
        m_board.setText(line.name, m_texts.teamName(record.team + 1));
        m_board.setText(line.cell[0], ranked ? std::to_string(record.points) : std::string());
        m_board.setText(line.cell[1], ranked ? AddAPlusToDiff(record.goalDifference()) : std::string());
        m_board.setText(line.cell[2], ranked ? std::to_string(record.goalsFor) : std::string());
        std::string opponent;
        for (size_t column = 0; column < rule.against.size(); ++column) {
            if (thirds.opponents[column] == group)
                opponent = "1" + std::string(1, m_tournament.groups[static_cast<size_t>(rule.against[column])].letter);
        }
        m_board.setText(line.opponent, opponent);
        m_board.setBold(line.name, !opponent.empty());
    }
    writeThirdsLevel();
}

void BoardRules::writeBox(ControlId box, int goals)
{
    if (goalsOf(m_board.text(box)) != goals)
        m_board.setText(box, goalsText(goals));
}

void BoardRules::writeKnockout()
{
    const Outcome& outcome = m_play.outcome();
    m_writing = true;
    for (size_t r = 0; r < m_controls.rounds.size(); ++r) {
        const RoundControls& round = m_controls.rounds[r];
        const bool isFinal = static_cast<int>(r) == m_controls.finalRoundIndex;
        for (const MatchControls& match : round.matches) {
            const KnockoutTeams& teams = outcome.knockout[static_cast<size_t>(match.match)];
            const MatchScore& score = m_play.prediction().knockout[static_cast<size_t>(match.match)];
            for (size_t side = 0; side < 2; ++side) {
                writeBox(match.score[side], score.goals[side]);
                writeBox(match.penalty[side], score.penalties[side]);
                m_board.setText(match.label[side], teamText(teams.teams[side]));
                // The first round's slots are always open; a later slot opens
                // once the match before it has a winner.
                const bool open = r == 0 || teams.teams[side] != NoTeam;
                m_board.setEnabled(match.label[side], open);
                m_board.setEnabled(match.score[side], open);
                m_board.setVisible(match.penalty[side], score.level());
                // The final's two teams stand in bold throughout.
                if (!isFinal)
                    m_board.setBold(match.label[side], teams.winner == static_cast<int>(side));
            }
            if (round.penaltyMode)
                m_board.setEnabled(round.penaltyHeading, score.level());
        }
    }
    m_writing = false;
    m_board.setText(m_controls.champion, teamText(outcome.champion));
}

void BoardRules::SetFirstTimeGroups()
{
    const Board::Batch action(m_board);
    for (const GroupControls& group : m_controls.groups) {
        for (const ControlId name : group.name)
            PopulateGroupTeamName(name);
    }
    for (const ThirdsControls& thirds : m_controls.thirds) {
        for (const ThirdsControls::Row& row : thirds.rows)
            PopulateGroupTeamName(row.name);
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

void BoardRules::PopulateGroupTeamName(ControlId label)
{
    const std::string& text = m_board.text(label);
    for (int team = 1; team <= static_cast<int>(m_tournament.teams.size()); ++team) {
        if (text == m_texts.previousTeamName(team)) {
            m_board.setText(label, m_texts.teamName(team));
            return;
        }
    }
}

}  // namespace tiplark
