#include "engine/TournamentPlay.h"

#include "TournamentFiles.h"

#include <gtest/gtest.h>

#include <random>

namespace tiplark {
namespace {

// From the real 2026 results, random group edits: every knockout match whose
// group or third-placed slot now holds another team loses its score, a side
// whose winner or loser slot lost its team loses its goals, and every other
// score stands.
TEST(TournamentPlayTest, GroupEditsEmptyOnlyWhatWasTypedForOtherTeams)
{
    const Tournament tournament = testing::shippedTournament("worldcup-2026");
    std::mt19937 random(2026);
    int emptiedByThirds = 0;
    for (int edit = 0; edit < 300; ++edit) {
        TournamentPlay play(tournament);
        play.load(Prediction::real(tournament));
        const Outcome before = play.outcome();
        const Prediction typed = play.prediction();
        const int match = std::uniform_int_distribution<int>(0, static_cast<int>(tournament.groupMatches.size()) - 1)(random);
        std::uniform_int_distribution<int> goals(0, 4);
        play.setGroupScore(match, MatchScore{{goals(random), goals(random)}});

        for (size_t m = 0; m < tournament.knockout.size(); ++m) {
            MatchScore expected = typed.knockout[m];
            for (size_t side = 0; side < 2; ++side) {
                const Slot& slot = tournament.knockout[m].sides[side];
                const int was = before.knockout[m].teams[side];
                const int now = play.outcome().knockout[m].teams[side];
                if (was == now)
                    continue;
                if (slot.kind == Slot::Kind::GroupPlace || slot.kind == Slot::Kind::ThirdPlaced) {
                    expected = {};
                    emptiedByThirds += slot.kind == Slot::Kind::ThirdPlaced;
                } else if (now == NoTeam) {
                    expected.goals[side] = MatchScore::Empty;
                }
            }
            expected.dropStaleShootOut();
            ASSERT_EQ(play.prediction().knockout[m], expected) << "edit " << edit << ", match " << tournament.knockout[m].number;
        }
    }
    // The edits did move third-placed teams between slots.
    EXPECT_GT(emptiedByThirds, 0);
}

TEST(TournamentPlayTest, ShootOutStandsOnlyAfterALevelScore)
{
    const Tournament tournament = testing::exampleCup();
    TournamentPlay play(tournament);
    const int quarterFinal = tournament.knockoutIndex(25);
    play.setKnockoutScore(quarterFinal, *parseMatchScore("1-1 (4-3)", true));
    EXPECT_EQ(play.outcome().knockout[static_cast<size_t>(quarterFinal)].winner, 0);
    play.setKnockoutScore(quarterFinal, *parseMatchScore("2-1 (4-3)", true));
    EXPECT_EQ(formatMatchScore(play.prediction().knockout[static_cast<size_t>(quarterFinal)]), "2-1");
    play.setKnockoutScore(quarterFinal, *parseMatchScore("1-1 (3-3)", true));
    EXPECT_EQ(play.outcome().knockout[static_cast<size_t>(quarterFinal)].winner, NoSide);
}

struct ScoreText {
    const char* text;
    bool knockout;
    const char* read;  // as written back, or nullptr when refused
};

const ScoreText ScoreTexts[] = {
    {"2-1", false, "2-1"},       {" 2 - 1 ", false, "2-1"}, {"2-", false, "2-"},     {"-", false, ""},
    {"", false, ""},             {"02-10", false, "2-10"},  {"1-1 (4-3)", true, "1-1 (4-3)"},
    {"1-1(4-)", true, "1-1 (4-)"}, {"1-1 (4-3)", false, nullptr}, {"100-1", false, nullptr},
    {"2:1", false, nullptr},     {"2-1 x", false, nullptr}, {"1-1 (4-3", true, nullptr}, {"+2-1", false, nullptr},
};

TEST(TournamentPlayTest, ScoreTextsReadAndWriteBack)
{
    for (const ScoreText& c : ScoreTexts) {
        const std::optional<MatchScore> score = parseMatchScore(c.text, c.knockout);
        if (!c.read) {
            EXPECT_FALSE(score) << c.text;
            continue;
        }
        ASSERT_TRUE(score) << c.text;
        EXPECT_EQ(formatMatchScore(*score), c.read) << c.text;
    }
}

}  // namespace
}  // namespace tiplark
