#include "scoring/TournamentScoring.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "TournamentFiles.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "reference/Comparison.h"
#include "reference/Pool.h"
#include "scoring/BoardScoring.h"
#include "scoring/TournamentComparison.h"
#include "scoring/PredictionFiles.h"
#include "scoring/RealResults.h"
#include "scoring/TournamentPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::shippedTournament;
using testing::TemporaryFolder;
using testing::writeBytes;

// Random predictions as the program saves them: a board typed box by box
// wherever the program lets the user type, each box with the given chance,
// half the scores the real ones and the others mostly small, so that teams
// are often level; then saved in a random language.
class TypedFiles {
public:
    TypedFiles(testing::BoardHarness& harness, std::mt19937& random)
        : h(harness)
        , m_built(harness.board().states())
        , m_random(random)
    {
        FillInRealResults(harness.main);
        for (const ControlId box : harness.main.controls().userBoxes())
            m_real[box] = harness.board().text(box);
        harness.main.restore(m_built);
    }

    std::string text(double chance)
    {
        h.main.restore(m_built);
        for (const GroupControls& group : h.main.controls().groups) {
            for (const auto& match : group.score) {
                for (const ControlId box : match)
                    type(box, chance);
            }
        }
        for (const RoundControls& round : h.main.controls().rounds) {
            for (const MatchControls& match : round.matches) {
                for (const ControlId box : match.score)
                    type(box, chance);
                for (const ControlId box : match.penalty)
                    type(box, chance);
            }
        }
        h.main.preferences().languageIndex = std::uniform_int_distribution<int>(0, 3)(m_random);
        return predictionsFileText(h.main, "");
    }

private:
    bool happens(double chance) { return std::bernoulli_distribution(chance)(m_random); }

    void type(ControlId box, double chance)
    {
        const Control& control = h.board().control(box);
        if (!control.enabled || !control.visible || !happens(chance))
            return;
        const int goals = happens(0.9) ? std::uniform_int_distribution<int>(0, 2)(m_random)
                                       : std::uniform_int_distribution<int>(3, 9)(m_random);
        h.board().setText(box, happens(0.5) ? m_real.at(box) : std::to_string(goals));
    }

    testing::BoardHarness& h;
    const std::vector<Control> m_built;
    std::mt19937& m_random;
    std::map<ControlId, std::string> m_real;
};

// The board numbers its teams 1..32 in the order the tournament lists them.
int boardNumber(int team)
{
    return team == NoTeam ? 0 : team + 1;
}

std::vector<int> sortedNumbers(const std::vector<int>& teams)
{
    std::vector<int> numbers;
    for (const int team : teams)
        numbers.push_back(boardNumber(team));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The tournament's index of each of the board's 64 matches, in the board's
// match order: group matches by their place in the tournament's list,
// knockout matches by the tournament's knockout.
std::vector<int> boardMatches(const Tournament& tournament, const BoardControls& controls)
{
    std::vector<int> matches;
    for (const GroupControls& group : controls.groups) {
        for (const int match : tournament.groups[static_cast<size_t>(group.group)].matches)
            matches.push_back(match);
    }
    for (const RoundControls& round : controls.rounds) {
        for (const MatchControls& match : round.matches)
            matches.push_back(match.match);
    }
    return matches;
}

// The engine's scoring, fed the board's files through the reader of the
// command line, against the board's own 2006 scoring of the same files:
// every match's points, every stage's advancing teams and points, the totals
// and the champion, on 2,000 random files complete and partial.
TEST(TournamentScoringTest, EqualsTheBoardsScoringOnTheFilesItSaves)
{
    const TournamentCatalog catalog({TIPLARK_TOURNAMENTS});
    const Tournament& tournament = *catalog.find(std::string(DefaultTournamentId));
    testing::BoardHarness harness;
    const std::vector<int> matches = boardMatches(tournament, harness.main.controls());
    const TemporaryFolder folder;
    std::mt19937 random(314);
    TypedFiles files(harness, random);
    const PlayedPrediction real = playPrediction(tournament, Prediction::real(tournament));
    const double chances[] = {1.0, 0.97, 0.85, 0.5};
    int knockoutPoints = 0;
    int championPoints = 0;
    for (int f = 0; f < 2000; ++f) {
        const std::string path = folder.file("pool-" + std::to_string(f) + ".ini");
        writeBytes(path, files.text(chances[f % 4]));
        const PoolEntry board = scorePredictionFile(path, tournament);
        const FilePrediction read = readFilePrediction(catalog, path);
        ASSERT_TRUE(board.readable() && read.loaded() && read.boardFile) << path;
        const PlayedPrediction played = playPrediction(tournament, read.prediction);
        const TournamentScore score = scoreTournament(tournament, played, real);
        for (int m = 0; m < MatchCount; ++m) {
            const MatchPlace place = matchPlace(m);
            const auto match = static_cast<size_t>(matches[static_cast<size_t>(m)]);
            const int points = place.group >= 0 ? score.group[match] : score.knockout[match];
            ASSERT_EQ(points, board.score.match[static_cast<size_t>(m)]) << path << ", match " << m;
            knockoutPoints += place.group < 0 ? points : 0;
        }
        ASSERT_EQ(score.advance.size(), static_cast<size_t>(StageCount));
        for (size_t s = 0; s < StageCount; ++s) {
            std::vector<int> reached = board.outcome.reached[s];
            std::sort(reached.begin(), reached.end());
            ASSERT_EQ(sortedNumbers(played.reached[s]), reached) << path << ", stage " << s;
            ASSERT_EQ(score.advance[s], board.score.advance[s]) << path << ", stage " << s;
        }
        ASSERT_EQ(score.total, board.score.total) << path;
        ASSERT_EQ(score.exact, board.score.exact) << path;
        ASSERT_EQ(boardNumber(played.known.champion), board.champion) << path;
        championPoints += score.advance.back();
    }
    // The files reached the knockout and its end, where the rules differ most.
    EXPECT_GT(knockoutPoints, 0);
    EXPECT_GT(championPoints, 0);
}

// The comparison the windows and the command line show, from the engine,
// against the 2006 board's own comparison of the same typed boards: every
// row's title, both sides' texts and points, in every language, on 300
// boards complete and partial (scores with one side given among them).
TEST(TournamentScoringTest, ComparisonRowsEqualTheBoardsOwn)
{
    const Tournament& tournament = testing::worldCup2006();
    testing::BoardHarness harness;
    std::mt19937 random(2006);
    TypedFiles files(harness, random);
    const PlayedPrediction real = realPlayed(tournament);
    const double chances[] = {1.0, 0.97, 0.85, 0.5};
    // "Suiza -0 Ucrania", "Italia 3- ?"
    const std::regex oneSideGiven(R"((^|\s)-\d|\d-(\s|$))");
    int partial = 0;
    for (int b = 0; b < 300; ++b) {
        files.text(chances[b % 4]);
        const TournamentOutcome outcome = readOutcome(harness.main);
        const PredictionScore boardScore = scorePrediction(outcome, realOutcome(tournament));
        const PlayedPrediction played = boardPlayed(harness.main);
        const TournamentScore score = scoreTournament(tournament, played, real);
        for (int language = 0; language < LanguageCount; ++language) {
            const std::vector<ComparisonRow> expected = comparisonRows(language, outcome, realOutcome(tournament), boardScore);
            const std::vector<ComparisonRow> rows = tournamentComparisonRows(language, tournament, played, real, score);
            ASSERT_EQ(rows.size(), expected.size());
            for (size_t r = 0; r < rows.size(); ++r) {
                ASSERT_EQ(rows[r].match, expected[r].match) << "board " << b << ", row " << r;
                ASSERT_EQ(rows[r].prediction, expected[r].prediction) << "board " << b << ", row " << r;
                ASSERT_EQ(rows[r].real, expected[r].real) << "board " << b << ", row " << r;
                ASSERT_EQ(rows[r].points, expected[r].points) << "board " << b << ", row " << r;
                partial += language == 0 && std::regex_search(rows[r].prediction, oneSideGiven);
            }
        }
        ASSERT_EQ(score.total, boardScore.total) << "board " << b;
    }
    EXPECT_GT(partial, 0);
}

// The pool scores the board's files as the board does, whatever they hold,
// and a tournament's own files by the engine.
TEST(TournamentScoringTest, PoolScoresEachFileByItsTournament)
{
    const TournamentCatalog catalog({TIPLARK_TOURNAMENTS});
    const TemporaryFolder folder;
    const std::string board = testing::testData("report/good.ini");
    const std::string mine = folder.file("mine.ini");
    const Tournament& tournament = *catalog.find("worldcup-2022");
    Prediction prediction = Prediction::real(tournament);
    prediction.group[0] = MatchScore{{0, 0}};
    writeBytes(mine, tournamentPredictionsText(tournament, {prediction, {}, {}}, ""));
    const std::vector<ScoredFile> scored = scoreFiles(catalog, {board, mine, folder.file("none.ini")});
    ASSERT_EQ(scored.size(), 3u);
    const PoolEntry boardScore = scorePredictionFile(board, *catalog.find(std::string(DefaultTournamentId)));
    EXPECT_TRUE(scored[0].boardFile);
    EXPECT_EQ(scored[0].score.total, boardScore.score.total);
    EXPECT_EQ(scored[0].score.exact, boardScore.score.exact);
    EXPECT_FALSE(scored[1].boardFile);
    EXPECT_EQ(scored[1].tournament, &tournament);
    // Qatar-Ecuador 0-2 predicted 0-0 loses its four points; group A's
    // first two, and so the knockout, stand.
    EXPECT_EQ(scored[1].score.total, 314 - 4);
    EXPECT_EQ(tournament.teams[static_cast<size_t>(scored[1].champion)].code, "ARG");
    EXPECT_EQ(scored[2].load, PredictionsLoad::Missing);
    EXPECT_FALSE(scored[2].readable());
}

struct Edition {
    const char* id;
    int maximum;
    std::vector<int> stagePoints;  // the first knockout round first, the champion last
};

const Edition Editions[] = {
    {"worldcup-2006", 314, {1, 2, 3, 4, 6}}, {"worldcup-2010", 314, {1, 2, 3, 4, 6}},
    {"worldcup-2014", 314, {1, 2, 3, 4, 6}}, {"worldcup-2018", 314, {1, 2, 3, 4, 6}},
    {"worldcup-2022", 314, {1, 2, 3, 4, 6}}, {"worldcup-2026", 536, {1, 2, 3, 4, 5, 6}},
};

// Each edition's real results, printed as its predictions file, read back
// as a user's file and scored: every match exact, every advancing team
// right, the maximum.
TEST(TournamentScoringTest, RealResultsOfEveryEditionScoreTheMaximum)
{
    const TournamentCatalog catalog({TIPLARK_TOURNAMENTS});
    const TemporaryFolder folder;
    for (const Edition& edition : Editions) {
        const Tournament& tournament = *catalog.find(edition.id);
        std::vector<int> points;
        for (const ScoringStage& stage : scoringStages(tournament))
            points.push_back(stage.points);
        EXPECT_EQ(points, edition.stagePoints) << edition.id;
        EXPECT_EQ(maximumPoints(tournament), edition.maximum) << edition.id;

        const std::string path = folder.file(std::string(edition.id) + ".ini");
        writeBytes(path, realPredictionsText(tournament));
        const std::vector<ScoredFile> scored = scoreFiles(catalog, {path});
        ASSERT_TRUE(scored.front().readable()) << edition.id;
        EXPECT_EQ(scored.front().tournament, &tournament) << edition.id;
        EXPECT_EQ(scored.front().score.total, edition.maximum) << edition.id;
        EXPECT_EQ(scored.front().score.exact, tournament.matchCount()) << edition.id;
    }
}

// The made-up 16-team cup: a third-place match earns no advancing points.
TEST(TournamentScoringTest, StagesOfASmallerCup)
{
    const Tournament cup = testing::exampleCup();
    std::vector<int> points;
    for (const ScoringStage& stage : scoringStages(cup))
        points.push_back(stage.points * 100 + stage.teams);
    EXPECT_EQ(points, (std::vector<int>{108, 204, 302, 601}));
    EXPECT_EQ(maximumPoints(cup), 32 * 4 + 8 + 8 + 6 + 6);
}

struct KnownCase {
    const char* what;
    const char* group;     // a group match emptied…
    int knockout;          // …or a knockout match's score, by number
    const char* score;
    std::set<std::string> open;  // match number and side ("73a") left without a team
};

const KnownCase KnownCases[] = {
    {"a match of group A left empty", "A", 0, "",
     {"73a", "79a", "74b", "77b", "79b", "80b", "81b", "82b", "85b", "87b", "89a", "89b", "90a", "92a", "92b", "94a",
      "94b", "96a", "96b", "97a", "97b", "98b", "99b", "100b", "101a", "101b", "102a", "102b", "103a", "103b", "104a",
      "104b"}},
    {"match 76 level without a shoot-out", nullptr, 76, "1-1", {"91a", "99a", "102a", "103b", "104b"}},
    {"the final level without a shoot-out", nullptr, 104, "1-1", {}},
};

// Scoring counts a team of the bracket only once the prediction settles it:
// a group's places once the group is complete, the third-placed teams once
// every group is, a later slot once the match feeding it was decided between
// known teams.
TEST(TournamentScoringTest, BracketKnowsOnlyWhatThePredictionSettles)
{
    const Tournament tournament = shippedTournament("worldcup-2026");
    for (const KnownCase& known : KnownCases) {
        Prediction prediction = Prediction::real(tournament);
        if (known.group) {
            const int group = tournament.teams[static_cast<size_t>(tournament.teamIndex("MEX"))].group;
            ASSERT_EQ(tournament.groups[static_cast<size_t>(group)].letter, known.group[0]);
            prediction.group[static_cast<size_t>(tournament.groups[static_cast<size_t>(group)].matches[0])] = {};
        } else {
            prediction.knockout[static_cast<size_t>(tournament.knockoutIndex(known.knockout))] = *parseMatchScore(known.score, true);
        }
        const PlayedPrediction played = playPrediction(tournament, prediction);
        for (size_t m = 0; m < tournament.knockout.size(); ++m) {
            for (size_t side = 0; side < 2; ++side) {
                const std::string name = std::to_string(tournament.knockout[m].number) + (side == 0 ? "a" : "b");
                EXPECT_EQ(played.known.knockout[m][side] == NoTeam, known.open.count(name) == 1) << known.what << ": " << name;
            }
        }
        EXPECT_EQ(played.known.champion, NoTeam) << known.what;
        // Those teams are not counted as reaching their stage either.
        size_t reached = 0;
        for (size_t s = 0; s + 1 < played.reached.size(); ++s)
            reached += played.reached[s].size();
        EXPECT_EQ(reached, 62 - known.open.size() + std::count_if(known.open.begin(), known.open.end(), [](const std::string& side) {
                               return side.starts_with("103");
                           })) << known.what;
    }
}

}  // namespace
}  // namespace tiplark
