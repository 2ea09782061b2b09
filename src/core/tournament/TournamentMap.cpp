#include "tournament/TournamentMap.h"

#include "platform/ScoreText.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>

namespace tiplark {
namespace {

using SlotTexts = std::array<std::string, 2>;

int numberOf(const Tournament& tournament, const SlotTexts& texts)
{
    for (const KnockoutMatch& match : tournament.knockout) {
        if (match.slots[0].text == texts[0] && match.slots[1].text == texts[1])
            return match.number;
    }
    throw std::logic_error("the tournament has no match " + texts[0] + "-" + texts[1] + " of the 2006 board");
}

int goals(const std::string& text)
{
    return text.empty() ? MatchScore::Empty : scoreValue(text);
}

}  // namespace

int boardTeamNumber(const Tournament& tournament, int team)
{
    if (team < 0 || static_cast<size_t>(team) >= tournament.teams.size())
        return 0;
    const int group = tournament.teams[static_cast<size_t>(team)].group;
    if (group < 0 || group >= GroupCount)
        return 0;
    const std::vector<int>& draw = tournament.groups[static_cast<size_t>(group)].teams;
    const auto place = static_cast<size_t>(std::find(draw.begin(), draw.end(), team) - draw.begin());
    return place < TeamsPerGroup ? groups()[static_cast<size_t>(group)].fixtureTeams[place] : 0;
}

TournamentMap::TournamentMap(const Tournament& tournament, const BoardControls& controls)
    : m_tournament(tournament)
    , m_controls(controls)
{
    if (tournament.groups.size() != GroupCount)
        throw std::logic_error("the tournament does not have the 2006 board's groups");
    for (int g = 0; g < GroupCount; ++g) {
        const GroupInfo& info = groups()[static_cast<size_t>(g)];
        const TournamentGroup& group = tournament.groups[static_cast<size_t>(g)];
        if (group.teams.size() != TeamsPerGroup || group.matches.size() != MatchesPerGroup)
            throw std::logic_error("the tournament does not have the 2006 board's groups");
        for (size_t k = 0; k < TeamsPerGroup; ++k)
            m_teams[static_cast<size_t>(info.fixtureTeams[k])] = group.teams[k];
    }

    // The slots of every board match, round by round: the round of 16 from
    // the groups, each later match from the matches that feed it.
    std::map<std::pair<Round, int>, SlotTexts> slots;
    for (const GroupInfo& info : groups()) {
        slots[{Round::Final8, info.winnerMatch}][static_cast<size_t>(info.winnerSide)] = std::string("1") + info.letter;
        slots[{Round::Final8, info.runnerUpMatch}][static_cast<size_t>(info.runnerUpSide)] = std::string("2") + info.letter;
    }
    for (const Round round : {Round::Final8, Round::Final4, Round::Final2}) {
        for (int m = 0; m < rounds()[static_cast<size_t>(round)].matchCount; ++m) {
            const std::string number = std::to_string(numberOf(tournament, slots.at({round, m})));
            if (round == Round::Final2) {
                slots[{Round::Final, 0}][static_cast<size_t>(m)] = "W" + number;
                slots[{Round::Third, 0}][static_cast<size_t>(m)] = "L" + number;
            } else {
                const NextSlot next = nextSlot(round, m);
                slots[{static_cast<Round>(static_cast<int>(round) + 1), next.match}][static_cast<size_t>(next.side)] = "W" + number;
            }
        }
    }
    for (int r = 0; r < RoundCount; ++r) {
        const auto& matches = controls.rounds[static_cast<size_t>(r)].matches;
        for (size_t m = 0; m < matches.size(); ++m) {
            const int number = numberOf(tournament, slots.at({static_cast<Round>(r), static_cast<int>(m)}));
            m_knockout.push_back({&matches[m], tournament.knockoutIndex(number)});
        }
    }
}

int TournamentMap::number(int team) const
{
    for (int number = 1; number <= TeamCount; ++number) {
        if (m_teams[static_cast<size_t>(number)] == team)
            return number;
    }
    return 0;
}

int TournamentMap::groupMatch(int group, int match) const
{
    return m_tournament.groups.at(static_cast<size_t>(group)).matches.at(static_cast<size_t>(match));
}

Prediction TournamentMap::prediction(const Board& board) const
{
    Prediction prediction = Prediction::empty(m_tournament);
    for (int g = 0; g < GroupCount; ++g) {
        for (int m = 0; m < MatchesPerGroup; ++m) {
            const auto& boxes = m_controls.groups[static_cast<size_t>(g)].score[static_cast<size_t>(m)];
            MatchScore& score = prediction.group[static_cast<size_t>(groupMatch(g, m))];
            for (size_t side = 0; side < 2; ++side)
                score.goals[side] = goals(board.text(boxes[side]));
        }
    }
    for (const KnockoutPlace& place : m_knockout) {
        MatchScore& score = prediction.knockout[static_cast<size_t>(place.match)];
        for (size_t side = 0; side < 2; ++side) {
            score.goals[side] = goals(board.text(place.boxes->score[side]));
            score.penalties[side] = goals(board.text(place.boxes->penalty[side]));
        }
    }
    return prediction;
}

}  // namespace tiplark
