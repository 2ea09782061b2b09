#include "engine/TournamentPlay.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace tiplark {

Prediction Prediction::empty(const Tournament& tournament)
{
    Prediction prediction;
    prediction.group.resize(tournament.groupMatches.size());
    prediction.knockout.resize(tournament.knockout.size());
    prediction.levelOrder.groups.resize(tournament.groups.size());
    return prediction;
}

Prediction Prediction::real(const Tournament& tournament)
{
    Prediction prediction = empty(tournament);
    for (size_t m = 0; m < tournament.groupMatches.size(); ++m)
        prediction.group[m] = tournament.groupMatches[m].real.value_or(MatchScore{});
    for (size_t m = 0; m < tournament.knockout.size(); ++m)
        prediction.knockout[m] = tournament.knockout[m].real.value_or(MatchScore{});
    prediction.levelOrder.thirds = tournament.realOrder.thirds;
    for (size_t g = 0; g < tournament.realOrder.groups.size(); ++g)
        prediction.levelOrder.groups[g] = tournament.realOrder.groups[g];
    return prediction;
}

TournamentPlay::TournamentPlay(const Tournament& tournament)
    : m_tournament(tournament)
{
    load(Prediction::empty(tournament));
}

void TournamentPlay::load(Prediction prediction)
{
    if (prediction.group.size() != m_tournament.groupMatches.size()
        || prediction.knockout.size() != m_tournament.knockout.size()
        || prediction.levelOrder.groups.size() != m_tournament.groups.size())
        throw std::invalid_argument("a prediction of another tournament");
    for (MatchScore& score : prediction.group)
        score.penalties = MatchScore{}.penalties;
    for (MatchScore& score : prediction.knockout)
        score.dropStaleShootOut();
    m_prediction = std::move(prediction);
    m_outcome.groups.assign(m_tournament.groups.size(), {});
    for (size_t g = 0; g < m_tournament.groups.size(); ++g) {
        const std::vector<int>& matches = m_tournament.groups[g].matches;
        m_outcome.groups[g].ranked = std::any_of(matches.begin(), matches.end(), [this](int m) {
            return m_prediction.group[static_cast<size_t>(m)].goals != MatchScore{}.goals;
        });
    }
    m_outcome.knockout.assign(m_tournament.knockout.size(), {});
    for (size_t g = 0; g < m_tournament.groups.size(); ++g)
        rankGroup(static_cast<int>(g));
    rankThirds();
    playKnockout(false);
}

void TournamentPlay::setGroupScore(int match, const MatchScore& score)
{
    MatchScore goals = score;
    goals.penalties = MatchScore{}.penalties;
    MatchScore& stored = m_prediction.group.at(static_cast<size_t>(match));
    const int group = m_tournament.groupMatches[static_cast<size_t>(match)].group;
    RankedTable& table = m_outcome.groups[static_cast<size_t>(group)];
    if (stored == goals && table.ranked)
        return;
    stored = goals;
    table.ranked = true;
    rankGroup(group);
    rankThirds();
    playKnockout(true);
}

void TournamentPlay::setKnockoutScore(int match, const MatchScore& score)
{
    MatchScore played = score;
    played.dropStaleShootOut();
    MatchScore& stored = m_prediction.knockout.at(static_cast<size_t>(match));
    if (stored == played)
        return;
    stored = played;
    playKnockout(true);
}

void TournamentPlay::setLevelOrder(int group, std::vector<int> teams)
{
    if (group < 0) {
        m_prediction.levelOrder.thirds = std::move(teams);
    } else {
        m_prediction.levelOrder.groups.at(static_cast<size_t>(group)) = std::move(teams);
        rankGroup(group);
    }
    rankThirds();
    playKnockout(true);
}

void TournamentPlay::rankGroup(int group)
{
    RankedTable& table = m_outcome.groups[static_cast<size_t>(group)];
    if (!table.ranked) {
        listGroup(m_tournament, group, table);
        return;
    }
    bookGroup(m_tournament, group, m_prediction.group, table.rows);
    TableRanker(m_tournament, m_tournament.ranking, m_prediction.levelOrder.groups[static_cast<size_t>(group)], group,
                m_prediction.group)
        .rank(table);
}

void TournamentPlay::rankThirds()
{
    if (!m_tournament.thirds)
        return;
    const ThirdPlacedRule& rule = *m_tournament.thirds;
    ThirdsTable& thirds = m_outcome.thirds;
    thirds.table.rows.clear();
    for (const RankedTable& group : m_outcome.groups)
        thirds.table.rows.push_back(group.rows[2]);
    TableRanker(m_tournament, rule.ranking, m_prediction.levelOrder.thirds, -1, {}).rank(thirds.table);
    thirds.groups.clear();
    std::uint32_t qualifying = 0;
    for (const TeamRecord& row : thirds.table.rows) {
        const int group = m_tournament.teams[static_cast<size_t>(row.team)].group;
        thirds.groups.push_back(group);
        if (std::popcount(qualifying) < rule.advance)
            qualifying |= 1u << group;
    }
    thirds.opponents = rule.allocation.at(qualifying);
}

int TournamentPlay::slotTeam(int match, int side) const
{
    const auto& slots = m_tournament.knockout[static_cast<size_t>(match)].sides;
    const Slot& slot = slots[static_cast<size_t>(side)];
    switch (slot.kind) {
    case Slot::Kind::GroupPlace:
        return m_outcome.groups[static_cast<size_t>(slot.group)].rows[static_cast<size_t>(slot.place - 1)].team;
    case Slot::Kind::ThirdPlaced: {
        const std::vector<int>& against = m_tournament.thirds->against;
        const int winnersGroup = slots[static_cast<size_t>(1 - side)].group;
        size_t column = 0;
        while (against[column] != winnersGroup)
            ++column;
        const int group = m_outcome.thirds.opponents[column];
        return m_outcome.groups[static_cast<size_t>(group)].rows[2].team;
    }
    case Slot::Kind::Winner:
        return m_outcome.knockout[static_cast<size_t>(slot.match)].winningTeam();
    case Slot::Kind::Loser:
        return m_outcome.knockout[static_cast<size_t>(slot.match)].losingTeam();
    }
    return NoTeam;
}

void TournamentPlay::playKnockout(bool emptyChanged)
{
    for (const int m : m_tournament.playOrder) {
        KnockoutTeams& match = m_outcome.knockout[static_cast<size_t>(m)];
        MatchScore& score = m_prediction.knockout[static_cast<size_t>(m)];
        for (int side = 0; side < 2; ++side) {
            const int team = slotTeam(m, side);
            const auto s = static_cast<size_t>(side);
            if (emptyChanged && team != match.teams[s]) {
                const Slot::Kind kind = m_tournament.knockout[static_cast<size_t>(m)].sides[s].kind;
                if (kind == Slot::Kind::GroupPlace || kind == Slot::Kind::ThirdPlaced)
                    score = {};
                else if (team == NoTeam)
                    score.goals[s] = MatchScore::Empty;
                score.dropStaleShootOut();
            }
            match.teams[s] = team;
        }
        const bool known = match.teams[0] != NoTeam && match.teams[1] != NoTeam;
        match.winner = known ? score.winner() : NoSide;
    }
    m_outcome.champion = m_outcome.knockout[static_cast<size_t>(m_tournament.finalMatch)].winningTeam();
}

Outcome evaluate(const Tournament& tournament, const Prediction& prediction)
{
    TournamentPlay play(tournament);
    play.load(prediction);
    return play.outcome();
}

}  // namespace tiplark
