#include "reference/Outcome.h"

#include "document/MainBoard.h"
#include "i18n/LanguageTables.h"
#include "i18n/TeamNameTables.h"
#include "scoring/QuietBoard.h"
#include "scoring/RealResults.h"

#include <map>

namespace tiplark {
namespace {

using SideKnown = std::array<bool, 2>;

// Per knockout round and match, whether each side's team is known.
using Known = std::array<std::vector<SideKnown>, RoundCount>;

Known knownSlots(const MainBoard& main)
{
    const Board& board = main.board();
    Known known;
    for (int r = 0; r < RoundCount; ++r)
        known[static_cast<size_t>(r)].assign(main.controls().rounds[static_cast<size_t>(r)].matches.size(), {false, false});

    for (int g = 0; g < GroupCount; ++g) {
        bool complete = true;
        for (const auto& match : main.controls().groups[static_cast<size_t>(g)].score)
            complete = complete && !board.text(match[0]).empty() && !board.text(match[1]).empty();
        const GroupInfo& info = groups()[static_cast<size_t>(g)];
        known[0][static_cast<size_t>(info.winnerMatch)][static_cast<size_t>(info.winnerSide)] = complete;
        known[0][static_cast<size_t>(info.runnerUpMatch)][static_cast<size_t>(info.runnerUpSide)] = complete;
    }
    // Winners go on to the next round; the semi-finals also send their losers to third place.
    for (const Round round : {Round::Final8, Round::Final4, Round::Final2}) {
        const auto r = static_cast<size_t>(round);
        const auto next = r + 1 == static_cast<size_t>(Round::Third) ? static_cast<size_t>(Round::Final) : r + 1;
        for (size_t m = 0; m < known[r].size(); ++m) {
            const bool fed = known[r][m][0] && known[r][m][1];
            const NextSlot slot = nextSlot(round, static_cast<int>(m));
            known[next][static_cast<size_t>(slot.match)][static_cast<size_t>(slot.side)] = fed;
            if (round == Round::Final2)
                known[static_cast<size_t>(Round::Third)][0][m] = fed;
        }
    }
    return known;
}

}  // namespace

int teamNumber(int languageIndex, const std::string& name)
{
    // The board's own language first; a label not yet translated after a
    // language change still names its team in the previous one.
    for (int team = 1; team <= TeamCount; ++team) {
        if (name == teamNameIn(languageIndex, team))
            return team;
    }
    for (int language = 0; language < LanguageCount; ++language) {
        for (int team = 1; team <= TeamCount; ++team) {
            if (name == teamNameIn(language, team))
                return team;
        }
    }
    return 0;
}

TournamentOutcome readOutcome(const MainBoard& main)
{
    const Board& board = main.board();
    const BoardControls& controls = main.controls();
    const int language = main.language().index();
    TournamentOutcome outcome;

    const Known known = knownSlots(main);
    constexpr std::array<Stage, RoundCount> StageOfRound = {Stage::RoundOf16, Stage::QuarterFinal, Stage::SemiFinal,
                                                            Stage::RoundOf16, Stage::Final};
    for (int index = 0; index < MatchCount; ++index) {
        const MatchPlace place = matchPlace(index);
        MatchRecord& match = outcome.matches[static_cast<size_t>(index)];
        const auto m = static_cast<size_t>(place.match);
        if (place.group >= 0) {
            const auto g = static_cast<size_t>(place.group);
            for (size_t side = 0; side < 2; ++side) {
                match.team[side] = groups()[g].fixtureTeams[static_cast<size_t>(FixturePairs[m][side])];
                match.score[side] = board.text(controls.groups[g].score[m][side]);
            }
            continue;
        }
        const auto r = static_cast<size_t>(place.round);
        const MatchControls& boxes = controls.rounds[r].matches[m];
        for (size_t side = 0; side < 2; ++side) {
            const int team = known[r][m][side] ? teamNumber(language, board.text(boxes.label[side])) : 0;
            match.team[side] = team;
            match.score[side] = board.text(boxes.score[side]);
            match.penalty[side] = board.text(boxes.penalty[side]);
            // The third-place teams reached the semi-finals already.
            if (team != 0 && place.round != Round::Third)
                outcome.reached[static_cast<size_t>(StageOfRound[r])].push_back(team);
        }
    }
    const MatchRecord& final = outcome.matches[MatchCount - 1];
    if (final.team[0] != 0 && final.team[1] != 0) {
        if (const int champion = teamNumber(language, board.text(controls.champion)))
            outcome.reached[static_cast<size_t>(Stage::Champion)].push_back(champion);
    }
    return outcome;
}

const TournamentOutcome& realOutcome(const Tournament& tournament)
{
    static std::map<std::string, TournamentOutcome, std::less<>> real;
    const auto known = real.find(tournament.id);
    if (known != real.end())
        return known->second;
    QuietBoard quiet(tournament);
    FillInRealResults(quiet.main);
    return real.emplace(tournament.id, readOutcome(quiet.main)).first->second;
}

}  // namespace tiplark
