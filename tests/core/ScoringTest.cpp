#include "reference/Comparison.h"
#include "reference/Pool.h"
#include "scoring/RealResults.h"
#include "reference/Scoring.h"

#include "RecordingServices.h"
#include "document/BoxTexts.h"
#include "TemporaryFolder.h"
#include "document/PredictionsFile.h"
#include "i18n/LanguageTables.h"
#include "report/ReportLines.h"
#include "report/TextLookup.h"
#include "storage/PoolSettings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;
using testing::readBytes;
using testing::TemporaryFolder;
using testing::testData;
using testing::writeBytes;

constexpr int Italy = 14;
constexpr int France = 10;
constexpr int Germany = 11;
constexpr int Brazil = 4;

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The real results file of the test data in another language, with some keys replaced.
std::string realFile(int language, const std::vector<std::pair<std::string, std::string>>& replacements = {})
{
    std::string text = readBytes(testData("scoring/real-2006.ini"));
    const size_t setting = text.find("Language=") + std::string_view("Language=").size();
    text.replace(setting, 1, std::to_string(language));
    for (const auto& [from, to] : replacements) {
        const size_t at = text.find(from);
        if (at == std::string::npos)
            throw std::invalid_argument(from);
        text.replace(at, from.size(), to);
    }
    return text;
}

MatchRecord match(int team1, const char* score1, const char* score2, int team2)
{
    MatchRecord record;
    record.team = {team1, team2};
    record.score = {score1, score2};
    return record;
}

TEST(RealResults, GiveTheRealTablesAndBracket)
{
    BoardHarness h;
    h.main.ApplyLanguage();
    FillInRealResults(h.main);
    const std::vector<std::string> expected = splitLines(readBytes(testData("scoring/real-2006-report.txt")));
    EXPECT_EQ(BuildReportLines(LanguageEnglish, boardTexts(h.board())), expected);
}

TEST(RealResults, ScoreTheMaximumAndAnEmptyBoardNothing)
{
    BoardHarness real;
    FillInRealResults(real.main);
    const PredictionScore best = scorePrediction(readOutcome(real.main), realOutcome(testing::worldCup2006()));
    EXPECT_EQ(MaximumPoints, 314);
    EXPECT_EQ(best.total, 314);
    EXPECT_EQ(best.matchTotal, 256);
    EXPECT_EQ(best.advanceTotal, 58);
    EXPECT_EQ(best.exact, 64);
    EXPECT_EQ(realOutcome(testing::worldCup2006()).reached[static_cast<size_t>(Stage::Champion)], std::vector<int>{Italy});

    BoardHarness empty;
    const PredictionScore nothing = scorePrediction(readOutcome(empty.main), realOutcome(testing::worldCup2006()));
    EXPECT_EQ(nothing.total, 0);
    EXPECT_EQ(nothing.exact, 0);
}

TEST(MatchPoints, FollowThePoolRules)
{
    struct Case {
        const char* name;
        MatchRecord predicted;
        MatchRecord real;
        int points;
    };
    const Case cases[] = {
        {"exact win", match(Italy, "2", "0", France), match(Italy, "2", "0", France), 4},
        {"exact draw", match(Italy, "1", "1", France), match(Italy, "1", "1", France), 4},
        {"leading zero is the same number", match(Italy, "02", "0", France), match(Italy, "2", "0", France), 4},
        {"right difference of a win", match(Italy, "3", "1", France), match(Italy, "2", "0", France), 3},
        {"right difference of a loss", match(Italy, "0", "1", France), match(Italy, "1", "2", France), 3},
        {"right winner only", match(Italy, "1", "0", France), match(Italy, "3", "0", France), 2},
        {"draw with another score", match(Italy, "0", "0", France), match(Italy, "1", "1", France), 2},
        {"wrong winner", match(Italy, "0", "2", France), match(Italy, "2", "0", France), 0},
        {"draw against a win", match(Italy, "1", "1", France), match(Italy, "2", "1", France), 0},
        {"empty box", match(Italy, "2", "", France), match(Italy, "2", "0", France), 0},
        {"other team in the slot", match(Brazil, "2", "0", France), match(Italy, "2", "0", France), 0},
        {"teams on the wrong sides", match(France, "0", "2", Italy), match(Italy, "0", "2", France), 0},
        {"slot not known", match(0, "2", "0", France), match(Italy, "2", "0", France), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchPoints(c.predicted, c.real), c.points) << c.name;
}

TEST(Scoring, ShootOutsCountOnlyThroughWhoAdvances)
{
    BoardHarness h;
    FillInRealResults(h.main);
    // Italy lose the final's shoot-out: France are champions.
    h.set("Final11pk", "3");
    h.set("Final12pk", "5");
    const PredictionScore score = scorePrediction(readOutcome(h.main), realOutcome(testing::worldCup2006()));
    EXPECT_EQ(score.match[MatchCount - 1], ExactPoints);
    EXPECT_EQ(score.advance[static_cast<size_t>(Stage::Champion)], 0);
    EXPECT_EQ(score.total, MaximumPoints - 6);
}

TEST(Scoring, AdvancingTeamsNeedTheirWholeGroupAndTheirPath)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> changes;
        int total;
        int exact;
    };
    const Case cases[] = {
        // Group A incomplete: its match (4) and its two round-of-16 places
        // (1 + 1) are lost, and every slot Germany or Ecuador stood in becomes
        // unknown, with every slot it fed: round of 16 1 and 3, quarter-finals
        // 1 and 3, both semi-finals, third place and final (8 x 4); the
        // quarter-final places of Germany and England (2 + 2), the semi-final
        // places of Germany and Portugal (3 + 3), both finalists (4 + 4) and
        // the champion (6).
        {"one group match left empty", {{"GA61", ""}}, 314 - 4 - 2 - 32 - 4 - 6 - 8 - 6, 64 - 9},
        // France beat Italy in play: the final scores 0 and the champion's 6 are lost.
        {"final won by the other side", {{"Final11", "0"}, {"Final12", "1"}}, 314 - 4 - 6, 63},
        // A wrong outcome of the third-place match costs only that match.
        {"third place the other way", {{"Third11", "1"}, {"Third12", "3"}}, 314 - 4, 63},
        // Argentina beat Germany in the quarter-final: that match (4), the
        // semi-final and third place now with Argentina (4 + 4), and
        // Germany's semi-final place (3); Italy still reach the final.
        {"quarter-final won by the other side", {{"Final411", "0"}, {"Final412", "1"}}, 314 - 12 - 3, 61},
    };
    for (const Case& c : cases) {
        BoardHarness h;
        FillInRealResults(h.main);
        for (const auto& [box, text] : c.changes)
            h.set(box, text);
        const PredictionScore score = scorePrediction(readOutcome(h.main), realOutcome(testing::worldCup2006()));
        EXPECT_EQ(score.total, c.total) << c.name;
        EXPECT_EQ(score.exact, c.exact) << c.name;
        EXPECT_EQ(score.total, score.matchTotal + score.advanceTotal) << c.name;
    }
}

TEST(Pool, LevelEntriesShareARankAndKeepTheirOrder)
{
    const auto entry = [](const char* name, int total, int exact) {
        PoolEntry e;
        e.name = name;
        e.score.total = total;
        e.score.exact = exact;
        return e;
    };
    PoolEntry unreadable;
    unreadable.name = "bad";
    unreadable.load = PredictionsLoad::Unreadable;
    const std::vector<PoolEntry> ranked = rankPool({entry("c", 100, 5), unreadable, entry("a", 120, 3),
                                                    entry("b", 120, 3), entry("d", 100, 9), entry("e", 120, 4)});
    std::vector<std::pair<std::string, int>> got;
    for (const PoolEntry& e : ranked)
        got.emplace_back(e.name, e.rank);
    const std::vector<std::pair<std::string, int>> expected = {{"e", 1}, {"a", 2}, {"b", 2}, {"d", 4},
                                                               {"c", 5}, {"bad", 0}};
    EXPECT_EQ(got, expected);
}

class ScoringFiles : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text)
    {
        const std::string path = m_folder.file(name);
        writeBytes(path, text);
        return path;
    }
    TemporaryFolder m_folder;
};

TEST_F(ScoringFiles, EveryLanguageScoresAlike)
{
    // Brazil win their quarter-final: team names on the board differ in each language.
    const std::vector<std::pair<std::string, std::string>> changes = {{"[FINAL 4]\r\nGame1=1-1\r\nGame1Apk=4\r\nGame1Bpk=2\r\nGame2=3-0\r\nGame3=0-0\r\nGame3Apk=1\r\nGame3Bpk=3\r\nGame4=0-1",
                                                                       "[FINAL 4]\r\nGame1=1-1\r\nGame1Apk=4\r\nGame1Bpk=2\r\nGame2=3-0\r\nGame3=0-0\r\nGame3Apk=1\r\nGame3Bpk=3\r\nGame4=2-1"}};
    std::vector<PredictionScore> scores;
    for (int language = 0; language < LanguageCount; ++language) {
        const PoolEntry entry = scorePredictionFile(write("lang" + std::to_string(language) + ".ini", realFile(language, changes)), testing::worldCup2006());
        ASSERT_TRUE(entry.readable());
        EXPECT_EQ(entry.language, language);
        EXPECT_EQ(entry.champion, Italy);
        scores.push_back(entry.score);
    }
    EXPECT_LT(scores[0].total, MaximumPoints);
    EXPECT_GT(scores[0].total, 250);
    for (const PredictionScore& score : scores) {
        EXPECT_EQ(score.total, scores[0].total);
        EXPECT_EQ(score.match, scores[0].match);
        EXPECT_EQ(score.advance, scores[0].advance);
    }
}

TEST_F(ScoringFiles, UnreadableFilesAreListedNotDropped)
{
    const std::string good = write("good.ini", realFile(LanguageSpanish));
    const std::string never = write("never-saved.ini", "[PREFERENCES]\r\nLanguage=1\r\n");
    std::vector<PoolEntry> entries;
    for (const std::string& path : {m_folder.file("missing.ini"), good, never, m_folder.path().string()})
        entries.push_back(scorePredictionFile(path, testing::worldCup2006()));
    const std::vector<PoolEntry> ranked = rankPool(std::move(entries));
    ASSERT_EQ(ranked.size(), 4u);
    EXPECT_EQ(ranked[0].name, good);
    EXPECT_EQ(ranked[0].rank, 1);
    EXPECT_EQ(ranked[0].score.total, MaximumPoints);
    const std::vector<PredictionsLoad> failures = {ranked[1].load, ranked[2].load, ranked[3].load};
    EXPECT_EQ(failures, (std::vector<PredictionsLoad>{PredictionsLoad::Missing, PredictionsLoad::FirstRun,
                                                      PredictionsLoad::Unreadable}));
}

// A prediction left empty is ranked with no points; a file that gives
// scores of which not one can be read is not ranked at all.
TEST_F(ScoringFiles, FilesWithoutAValidScoreAreNotRanked)
{
    const struct {
        const char* sections;
        bool ranked;
    } cases[] = {
        {"", true},
        {"[GROUP A]\r\nGame1=-\r\nGame2=\r\n", true},
        {"[GROUP A]\r\nGame1=x-1\r\n", true},
        {"[GROUP A]\r\nGame1=a-b\r\nGame2=3:1\r\n", false},
        {"[GROUP A]\r\nGame1=100-\r\n", false},
        {"[FINAL]\r\nGame1Apk=x\r\n", false},
    };
    std::vector<PoolEntry> entries;
    for (const auto& c : cases) {
        const std::string text = std::string("[PREFERENCES]\r\nFirstTime=0\r\n") + c.sections;
        entries.push_back(scorePredictionFile(write("case" + std::to_string(entries.size()) + ".ini", text), testing::worldCup2006()));
        EXPECT_TRUE(entries.back().readable()) << c.sections;
        EXPECT_EQ(entries.back().ranked(), c.ranked) << c.sections;
        EXPECT_EQ(entries.back().noValidScores, !c.ranked) << c.sections;
    }
    const std::vector<PoolEntry> ranked = rankPool(std::move(entries));
    for (const PoolEntry& entry : ranked)
        EXPECT_EQ(entry.rank, entry.ranked() ? 1 : 0) << entry.name;
}

TEST_F(ScoringFiles, ImportKeepsPreferencesAndReplacesEveryScore)
{
    BoardHarness h;
    h.main.preferences().languageIndex = LanguageFrench;
    h.main.preferences().favoriteIndex = Brazil;
    h.main.preferences().firstRun = false;
    h.main.ApplyLanguage();
    // A prediction already on the board that differs from the file only in
    // the round of 16: Sweden beat Germany and then played Germany's real
    // later matches. The later rounds' boxes already hold the file's texts
    // and raise nothing when set; the new winner must still reach them.
    FillInRealResults(h.main);
    h.set("Final811", "0");
    h.set("Final812", "1");
    const Tournament& tournament = h.main.tournament();
    for (const BoxText& box : predictionBoxTexts(h.main.controls(), tournament, Prediction::real(tournament))) {
        const std::string& name = h.board().control(box.box).name;
        if (!name.starts_with("G") && !name.starts_with("Final8"))
            h.board().setText(box.box, box.text);
    }
    ASSERT_EQ(h.text("Third11Lbl"), "Suède");

    const std::string other = write("other.ini", realFile(LanguageSpanish));
    EXPECT_EQ(ImportPrediction(h.main, other), PredictionsLoad::Loaded);
    EXPECT_EQ(h.main.preferences().languageIndex, LanguageFrench);
    EXPECT_EQ(h.main.preferences().favoriteIndex, Brazil);
    EXPECT_EQ(h.text("Third11Lbl"), "Allemagne");
    EXPECT_EQ(h.text("Champion"), "Italie");
    EXPECT_EQ(scorePrediction(readOutcome(h.main), realOutcome(testing::worldCup2006())).total, MaximumPoints);

    const std::string before = h.text("GA11");
    EXPECT_EQ(ImportPrediction(h.main, m_folder.file("missing.ini")), PredictionsLoad::Missing);
    EXPECT_EQ(h.text("GA11"), before);
}

TEST_F(ScoringFiles, ExportedPredictionImportsToTheSameBoard)
{
    BoardHarness source;
    source.main.preferences().firstRun = false;
    FillInRealResults(source.main);
    source.set("GB51", "3");
    source.set("Final871", "1");
    source.set("Final872", "1");
    source.set("Final871pk", "4");
    source.set("Final872pk", "5");
    const std::string path = m_folder.file("export.ini");
    ASSERT_TRUE(SaveAll(source.main, path));

    BoardHarness target;
    ASSERT_EQ(ImportPrediction(target.main, path), PredictionsLoad::Loaded);
    for (ControlId id = 0; id < source.board().size(); ++id)
        EXPECT_EQ(target.board().text(id), source.board().text(id)) << source.board().control(id).name;
}

TEST(ReplaceBoard, AsksOnlyWhenThereIsSomethingToLose)
{
    struct Case {
        const char* name;
        const char* box;  // nullptr: an empty board
        DialogResult answer;
        bool replaced;
        size_t questions;
    };
    const Case cases[] = {
        {"empty board", nullptr, DialogResult::No, true, 0},
        {"a group score, yes", "GC21", DialogResult::Yes, true, 1},
        {"a group score, no", "GC21", DialogResult::No, false, 1},
        {"a knockout score, no", "Final811", DialogResult::No, false, 1},
    };
    for (const Case& c : cases) {
        BoardHarness h;
        if (c.box)
            h.set(c.box, "7");
        h.messages.answers.push_back(c.answer);
        EXPECT_EQ(confirmReplaceBoard(h.main), c.replaced) << c.name;
        EXPECT_EQ(h.messages.questions.size(), c.questions) << c.name;
    }
}

TEST(Comparison, RowsShowBothSidesInTheLanguage)
{
    BoardHarness h;
    FillInRealResults(h.main);
    h.set("GA11", "5");
    h.set("GA12", "3");
    h.set("Final861", "");
    const TournamentOutcome outcome = readOutcome(h.main);
    const std::vector<ComparisonRow> rows =
        comparisonRows(LanguageSpanish, outcome, realOutcome(testing::worldCup2006()), scorePrediction(outcome, realOutcome(testing::worldCup2006())));
    ASSERT_EQ(rows.size(), size_t{MatchCount});
    struct Case {
        size_t row;
        const char* match;
        const char* prediction;
        const char* real;
        int points;
    };
    const Case cases[] = {
        {0, "Grupo A 1", "Alemania 5-3 Costa Rica", "Alemania 4-2 Costa Rica", 3},
        {GroupMatchCount + 5, "Octavos de final 6", "Suiza -0 Ucrania", "Suiza 0-0 (0-3) Ucrania", 0},
        // The empty box opens the quarter-final slot and empties its score,
        // which leaves the semi-final undecided and opens its later slots.
        {GroupMatchCount + 9, "Cuartos de final 2", "Italia 3- ?", "Italia 3-0 Ucrania", 0},
        {GroupMatchCount + 12, "Semifinal 1", "Alemania 0- ?", "Alemania 0-2 Italia", 0},
        {MatchCount - 2, "Tercer", "? -1 Portugal", "Alemania 3-1 Portugal", 0},
        {MatchCount - 1, "Final", "? -1 Francia", "Italia 1-1 (5-3) Francia", 0},
        {GroupMatchCount + 13, "Semifinal 2", "Portugal 0-1 Francia", "Portugal 0-1 Francia", 4},
    };
    for (const Case& c : cases) {
        const ComparisonRow& row = rows[c.row];
        EXPECT_EQ(row.match, c.match);
        EXPECT_EQ(row.prediction, c.prediction) << c.match;
        EXPECT_EQ(row.real, c.real) << c.match;
        EXPECT_EQ(row.points, c.points) << c.match;
    }
}

}  // namespace
}  // namespace tiplark

namespace tiplark {
namespace {

TEST_F(ScoringFiles, PoolChoiceSurvivesASaveOfThePredictions)
{
    const std::string settings = m_folder.file("Tiplark.ini");
    EXPECT_EQ(readPoolChoice(settings), PoolChoice{});

    const PoolChoice choice{{"/home/ana/ana.ini", "relative/ben.ini", "/tmp/ç é.ini"}, false};
    ASSERT_TRUE(writePoolChoice(settings, choice));
    BoardHarness h;
    FillInRealResults(h.main);
    ASSERT_TRUE(SaveAll(h.main, settings));
    EXPECT_EQ(readPoolChoice(settings), choice);
    EXPECT_EQ(LoadPredictions(h.main, settings), PredictionsLoad::Loaded);

    // A shorter list leaves no file of the longer one behind.
    ASSERT_TRUE(writePoolChoice(settings, PoolChoice{{"/one.ini"}, true}));
    EXPECT_EQ(readPoolChoice(settings), (PoolChoice{{"/one.ini"}, true}));
    EXPECT_FALSE(writePoolChoice(m_folder.path().string(), choice));
}

}  // namespace
}  // namespace tiplark

namespace tiplark {
namespace {

TEST(TeamNumber, FindsATeamInAnyLanguageAndNothingElse)
{
    struct Case {
        int language;
        const char* name;
        int team;
    };
    const Case cases[] = {
        {LanguageEnglish, "Germany", Germany}, {LanguageSpanish, "Alemania", Germany},
        {LanguageFrench, "Allemagne", Germany}, {LanguageEnglish, "Allemagne", Germany},
        {LanguageFrench, "Serbia Mont.", 24},   {LanguageSpanish, "Serbia-Mont.", 24},
        {LanguageEnglish, "xxxxxxxxxx", 0},     {LanguageEnglish, "germany", 0},
        {LanguageEnglish, "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(teamNumber(c.language, c.name), c.team) << c.name;
}

}  // namespace
}  // namespace tiplark
