#include "engine/TournamentPlay.h"

#include "TournamentFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace tiplark {
namespace {

using testing::shippedTournament;

struct Edition {
    const char* id;
    int year;
    const char* champion;
};

const Edition Editions[] = {
    {"worldcup-2006", 2006, "ITA"}, {"worldcup-2010", 2010, "ESP"}, {"worldcup-2014", 2014, "GER"},
    {"worldcup-2018", 2018, "FRA"}, {"worldcup-2022", 2022, "ARG"}, {"worldcup-2026", 2026, "ESP"},
};

// Every real knockout pairing, kept apart from the tournament files: match
// number to the two teams, first-named first.
std::map<int, std::pair<std::string, std::string>> realPairings(int year)
{
    std::ifstream in(TIPLARK_TEST_DATA "/tournaments/real-knockout.tsv");
    std::map<int, std::pair<std::string, std::string>> pairings;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int edition = 0;
        int match = 0;
        std::string first;
        std::string second;
        fields >> edition >> match >> first >> second;
        if (edition == year)
            pairings[match] = {first, second};
    }
    return pairings;
}

// The real scores alone, ranked by each edition's own rules, give every real
// knockout pairing (so every real group winner and runner-up, and in 2026 the
// eight best third-placed teams where they really went) and the champion.
TEST(TournamentReplayTest, RealResultsGiveEveryRealPairingAndTheChampion)
{
    for (const Edition& edition : Editions) {
        const Tournament tournament = shippedTournament(edition.id);
        const Outcome outcome = evaluate(tournament, Prediction::real(tournament));
        const auto code = [&tournament](int team) { return team == NoTeam ? std::string("?") : tournament.teams[static_cast<size_t>(team)].code; };
        const auto pairings = realPairings(edition.year);
        ASSERT_EQ(pairings.size(), tournament.knockout.size()) << edition.id;
        for (size_t m = 0; m < tournament.knockout.size(); ++m) {
            const auto& teams = outcome.knockout[m].teams;
            const auto& real = pairings.at(tournament.knockout[m].number);
            EXPECT_EQ(code(teams[0]) + "-" + code(teams[1]), real.first + "-" + real.second)
                << edition.id << " match " << tournament.knockout[m].number;
        }
        EXPECT_EQ(code(outcome.champion), edition.champion) << edition.id;
    }
}

// 2018 group H: Japan and Senegal level on everything the scores decide;
// Japan went through on fair play, which the real order carries.
TEST(TournamentReplayTest, RealOrderDecidesWhatScoresCannot)
{
    const Tournament tournament = shippedTournament("worldcup-2018");
    Prediction real = Prediction::real(tournament);
    const auto groupH = static_cast<size_t>(tournament.teams[static_cast<size_t>(tournament.teamIndex("JPN"))].group);
    const auto second = [&](const Prediction& prediction) {
        const Outcome outcome = evaluate(tournament, prediction);
        const RankedTable& table = outcome.groups[groupH];
        return std::pair(tournament.teams[static_cast<size_t>(table.rows[1].team)].code, table.below[1].source);
    };
    EXPECT_EQ(second(real), std::pair(std::string("JPN"), OrderSource::ChosenOrder));
    real.levelOrder.groups[groupH].clear();
    EXPECT_EQ(second(real), std::pair(std::string("SEN"), OrderSource::DrawOrder));
}

}  // namespace
}  // namespace tiplark
