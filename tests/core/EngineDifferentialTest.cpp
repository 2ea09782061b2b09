#include "engine/TournamentPlay.h"

#include "RecordingServices.h"
#include "TournamentFiles.h"
#include "tournament/TournamentData.h"
#include "tournament/TournamentMap.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;

std::string boxText(int goals)
{
    return goals == MatchScore::Empty ? std::string() : std::to_string(goals);
}

// One random board typed into the 2006 program and, edit for edit, into the
// engine: each box is typed only while the program lets the user type into it.
class DifferentialRun {
public:
    // The board starts as built: a copy of its states is put back.
    DifferentialRun(BoardHarness& harness, const std::vector<Control>& built, const Tournament& tournament,
                    const TournamentMap& map, std::mt19937& random)
        : h(harness)
        , m_tournament(tournament)
        , m_map(map)
        , m_play(tournament)
        , m_random(random)
    {
        h.board().restore(built);
    }

    // Every group match, then every knockout match round by round, each
    // filled in with the given chance.
    void typeBoard(double chance)
    {
        for (int g = 0; g < GroupCount; ++g) {
            for (int m = 0; m < MatchesPerGroup; ++m) {
                for (int side = 0; side < 2; ++side) {
                    if (happens(chance))
                        typeGroup(g, m, side, randomGoals());
                }
            }
        }
        for (const TournamentMap::KnockoutPlace& place : m_map.knockout()) {
            for (int side = 0; side < 2; ++side) {
                if (happens(chance))
                    typeKnockout(place, side, false, randomGoals());
            }
            for (int side = 0; side < 2; ++side) {
                if (happens(chance))
                    typeKnockout(place, side, true, randomGoals());
            }
        }
    }

    // Any box the user could type into, with a score or emptied.
    void typeAnywhere()
    {
        const int goalsText = happens(0.2) ? MatchScore::Empty : randomGoals();
        const int box = std::uniform_int_distribution<int>(0, GroupCount * MatchesPerGroup * 2 + 16 * 4 - 1)(m_random);
        if (box < GroupCount * MatchesPerGroup * 2) {
            typeGroup(box / (MatchesPerGroup * 2), box / 2 % MatchesPerGroup, box % 2, goalsText);
            return;
        }
        const int k = box - GroupCount * MatchesPerGroup * 2;
        typeKnockout(m_map.knockout()[static_cast<size_t>(k / 4)], k % 2, k % 4 >= 2, goalsText);
    }

    // Tables, bracket, champion and every box, compared.
    void expectSame(const std::string& when)
    {
        const Board& board = h.board();
        const Outcome& outcome = m_play.outcome();
        for (int g = 0; g < GroupCount; ++g) {
            const GroupControls& controls = h.main.controls().groups[static_cast<size_t>(g)];
            const RankedTable& table = outcome.groups[static_cast<size_t>(g)];
            for (size_t row = 0; row < TeamsPerGroup; ++row) {
                const TeamRecord& r = table.rows[row];
                const auto& cells = controls.cell[row];
                const std::string shown = board.text(controls.name[row]) + " " + board.text(cells[0]) + " "
                                          + board.text(cells[1]) + " " + board.text(cells[2]) + " " + board.text(cells[3])
                                          + " " + board.text(cells[4]) + " " + board.text(cells[5]) + " " + board.text(cells[6]);
                // A group not scored yet shows its teams without numbers.
                const auto number = [&table](int value) { return table.ranked ? std::to_string(value) : std::string(); };
                const std::string engine = nameOf(r.team) + " " + number(r.points) + " " + number(r.played) + " "
                                           + number(r.won) + " " + number(r.drawn) + " " + number(r.lost) + " "
                                           + number(r.goalsFor) + " " + number(r.goalsAgainst);
                ASSERT_EQ(shown, engine) << when << ", group " << groups()[static_cast<size_t>(g)].letter << " row " << row + 1;
            }
        }
        for (const TournamentMap::KnockoutPlace& place : m_map.knockout()) {
            const KnockoutTeams& teams = outcome.knockout[static_cast<size_t>(place.match)];
            const int number = m_tournament.knockout[static_cast<size_t>(place.match)].number;
            for (size_t side = 0; side < 2; ++side) {
                ASSERT_EQ(teamOf(board.text(place.boxes->label[side])), teams.teams[side]) << when << ", match " << number;
            }
        }
        ASSERT_EQ(teamOf(board.text(h.main.controls().champion)), outcome.champion) << when;
        ASSERT_TRUE(m_map.prediction(board) == m_play.prediction()) << when << ": the boxes differ";
    }

private:
    bool happens(double chance) { return std::bernoulli_distribution(chance)(m_random); }
    // Mostly small scores, so that teams are often level.
    int randomGoals() { return happens(0.9) ? std::uniform_int_distribution<int>(0, 2)(m_random) : std::uniform_int_distribution<int>(3, 12)(m_random); }
    std::string nameOf(int team) const
    {
        const int number = m_map.number(team);
        return number == 0 ? "?" : englishTeamName(number);
    }
    // The team a label names, the board showing English names; NoTeam for
    // the open slot's placeholder.
    int teamOf(const std::string& name) const
    {
        for (int number = 1; number <= TeamCount; ++number) {
            if (name == englishTeamName(number))
                return m_map.team(number);
        }
        return NoTeam;
    }

    void typeGroup(int group, int match, int side, int value)
    {
        h.board().setText(h.main.controls().groups[static_cast<size_t>(group)].score[static_cast<size_t>(match)][static_cast<size_t>(side)],
                        boxText(value));
        MatchScore score = m_play.prediction().group[static_cast<size_t>(m_map.groupMatch(group, match))];
        score.goals[static_cast<size_t>(side)] = value;
        m_play.setGroupScore(m_map.groupMatch(group, match), score);
    }

    void typeKnockout(const TournamentMap::KnockoutPlace& place, int side, bool penalty, int value)
    {
        const auto s = static_cast<size_t>(side);
        const ControlId box = penalty ? place.boxes->penalty[s] : place.boxes->score[s];
        const Control& control = h.board().control(box);
        if (!control.enabled || !control.visible)
            return;
        h.board().setText(box, boxText(value));
        MatchScore score = m_play.prediction().knockout[static_cast<size_t>(place.match)];
        (penalty ? score.penalties : score.goals)[s] = value;
        m_play.setKnockoutScore(place.match, score);
    }

    BoardHarness& h;
    const Tournament& m_tournament;
    const TournamentMap& m_map;
    TournamentPlay m_play;
    std::mt19937& m_random;
};

// The engine, reading the 2006 tournament file, against the 2006 program's
// own rules on 10,000 random boards, complete and partial, and after random
// edits that change groups under a filled-in bracket.
TEST(EngineDifferentialTest, EngineAgreesWithThe2006RulesOnRandomBoards)
{
    const Tournament tournament = testing::shippedTournament("worldcup-2006");
    BoardHarness harness;
    const std::vector<Control> built = harness.board().states();
    const TournamentMap map(tournament, harness.main.controls());
    std::mt19937 random(2006);
    const double chances[] = {1.0, 0.97, 0.85, 0.5};
    for (int board = 0; board < 10'000; ++board) {
        DifferentialRun run(harness, built, tournament, map, random);
        const double chance = chances[board % 4];
        run.typeBoard(chance);
        const std::string name = "board " + std::to_string(board);
        ASSERT_NO_FATAL_FAILURE(run.expectSame(name));
        if (board % 10 != 0)
            continue;
        for (int edit = 0; edit < 8; ++edit) {
            run.typeAnywhere();
            ASSERT_NO_FATAL_FAILURE(run.expectSame(name + ", edit " + std::to_string(edit)));
        }
    }
}

}  // namespace
}  // namespace tiplark
