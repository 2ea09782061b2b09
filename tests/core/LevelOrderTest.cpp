// The level marks of the tables, the choice of order behind them, its step
// in the history and its way through the predictions file, on real editions.
#include "RecordingServices.h"
#include "document/BoxTexts.h"
#include "document/LevelOrderModel.h"
#include "document/TournamentPredictionsFile.h"
#include "i18n/LanguageTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tiplark {
namespace {

using testing::EditionHarness;

// Every score of every group match k-k, with k chosen per group: all four
// teams of a group end level on everything scores decide.
void drawEverywhere(const Tournament& tournament, Prediction& prediction, const std::function<int(int group)>& goals)
{
    for (size_t g = 0; g < tournament.groups.size(); ++g) {
        for (const int m : tournament.groups[g].matches) {
            const int k = goals(static_cast<int>(g));
            prediction.group[static_cast<size_t>(m)].goals = {k, k};
        }
    }
}

// Group A of 2018: RUS and KSA... level pairwise: the first two beat the last
// two 1-0 and draw each other, the last two draw: two runs of two.
void twoRunsInGroupA(const Tournament& tournament, Prediction& prediction)
{
    const TournamentGroup& group = tournament.groups[0];
    const auto drawn = [&](int team) { return team == group.teams[0] || team == group.teams[1]; };
    for (const int m : group.matches) {
        const auto& teams = tournament.groupMatches[static_cast<size_t>(m)].teams;
        MatchScore& score = prediction.group[static_cast<size_t>(m)];
        if (drawn(teams[0]) == drawn(teams[1]))
            score.goals = {0, 0};
        else
            score.goals = drawn(teams[0]) ? std::array{1, 0} : std::array{0, 1};
    }
}

int team(const Tournament& tournament, const char* code)
{
    return tournament.teamIndex(code);
}

struct MarkCase {
    const char* what;
    const char* edition;
    std::function<void(const Tournament&, Prediction&)> predict;
    // The tables whose mark shows: group letters, '3' for the third-placed teams.
    std::string marked;
    // The level teams of the first marked table, in table order, run after
    // run ("RUS=KSA;EGY=URU"), and how they came to stand so.
    const char* levelTeams;
    bool chosen;
};

const MarkCase MarkCases[] = {
    {"2018 real group scores: Japan and Senegal level on all scores decide, the draw puts Senegal first",
     "worldcup-2018", [](const Tournament& t, Prediction& p) { p.group = Prediction::real(t).group; }, "H",
     "SEN=JPN", false},
    {"2018 real group scores with the real order: Japan first on fair play, as chosen", "worldcup-2018",
     [](const Tournament& t, Prediction& p) {
         p.group = Prediction::real(t).group;
         p.levelOrder = t.realOrder;
     },
     "H", "JPN=SEN", true},
    {"2018 a chosen order for teams no longer level is no mark", "worldcup-2018",
     [](const Tournament& t, Prediction& p) {
         p.group = Prediction::real(t).group;
         p.levelOrder.groups[0] = {team(t, "KSA"), team(t, "RUS")};
     },
     "H", "SEN=JPN", false},
    {"2018 group H one match short: nothing to order yet", "worldcup-2018",
     [](const Tournament& t, Prediction& p) {
         p.group = Prediction::real(t).group;
         p.group[static_cast<size_t>(t.groups[7].matches.back())] = {};
     },
     "", "", false},
    {"2018 two runs in one group", "worldcup-2018", twoRunsInGroupA, "A", "RUS=KSA;EGY=URU", false},
    {"2022 real group scores: every table decided by points or goals", "worldcup-2022",
     [](const Tournament& t, Prediction& p) { p.group = Prediction::real(t).group; }, "", "", false},
    {"2026 thirds of A and B level on everything, the others apart by goals", "worldcup-2026",
     [](const Tournament& t, Prediction& p) { drawEverywhere(t, p, [](int g) { return g < 2 ? 1 : g; }); },
     "ABCDEFGHIJKL3", "MEX=RSA=KOR=CZE", false},
    {"2026 the same thirds in the order chosen for them", "worldcup-2026",
     [](const Tournament& t, Prediction& p) {
         drawEverywhere(t, p, [](int g) { return g < 2 ? 1 : g; });
         p.levelOrder.thirds = {team(t, "QAT"), team(t, "KOR")};
     },
     "ABCDEFGHIJKL3", "MEX=RSA=KOR=CZE", false},
    {"2006 has no marks: its running table orders what scores leave level", "worldcup-2006",
     [](const Tournament& t, Prediction& p) { drawEverywhere(t, p, [](int) { return 0; }); }, "", "", false},
};

// "Senegal = Japan" for "SEN=JPN", runs apart by "; ".
std::string expectedTeams(const MainBoard& main, std::string_view codes)
{
    std::string text;
    while (!codes.empty()) {
        const std::string code(codes.substr(0, 3));
        text += main.language().teamName(team(main.tournament(), code.c_str()) + 1);
        codes.remove_prefix(std::min<size_t>(codes.size(), 3));
        if (!codes.empty()) {
            text += codes.front() == '=' ? " = " : "; ";
            codes.remove_prefix(1);
        }
    }
    return text;
}

TEST(LevelOrderTest, TheMarkShowsWhereOnlyTheDefaultOrTheChosenOrderSeparates)
{
    const std::string byDraw = languageText(LanguageEnglish, "level.groupByDraw").substr(2, 40);
    const std::string chosen = languageText(LanguageEnglish, "level.groupChosen");
    for (const MarkCase& c : MarkCases) {
        EditionHarness h(c.edition);
        Prediction prediction = Prediction::empty(h.tournament);
        c.predict(h.tournament, prediction);
        h.type(prediction);
        const Board& board = h.main.board();
        const BoardControls& controls = h.main.controls();

        std::string marked;
        const GroupControls* first = nullptr;
        for (const GroupControls& group : controls.groups) {
            if (group.levelMark == NoControl)
                continue;
            const bool shown = board.control(group.levelMark).visible;
            // A shown mark marks rows, a hidden one none.
            int markedRows = 0;
            for (const ControlId number : group.rowNumber)
                markedRows += board.text(number).ends_with(LevelRowMark) ? 1 : 0;
            EXPECT_EQ(shown, markedRows >= 2) << c.what << ", group " << group.group;
            if (shown) {
                marked += h.tournament.groups[static_cast<size_t>(group.group)].letter;
                first = first ? first : &group;
            }
        }
        for (const ThirdsControls& thirds : controls.thirds) {
            if (board.control(thirds.levelMark).visible)
                marked += '3';
        }
        EXPECT_EQ(marked, c.marked) << c.what;
        if (!first)
            continue;
        const std::string& hint = board.control(first->levelMark).hint;
        EXPECT_EQ(hint.rfind(expectedTeams(h.main, c.levelTeams) + ": ", 0), 0u) << c.what << ": " << hint;
        EXPECT_NE(hint.find(c.chosen ? chosen.substr(4, 40) : byDraw), std::string::npos) << c.what << ": " << hint;
    }
}

// The thirds of 2026 groups A and B: KOR and QAT stand last, in group order
// unless chosen otherwise, and only their rows are marked.
TEST(LevelOrderTest, TheThirdsMarkNamesTheLevelThirdsAndWhatOrderedThem)
{
    for (const bool choose : {false, true}) {
        EditionHarness h("worldcup-2026");
        Prediction prediction = Prediction::empty(h.tournament);
        drawEverywhere(h.tournament, prediction, [](int g) { return g < 2 ? 1 : g; });
        if (choose)
            prediction.levelOrder.thirds = {team(h.tournament, "QAT"), team(h.tournament, "KOR")};
        h.type(prediction);
        const ThirdsControls& thirds = h.main.controls().thirds.front();
        const Board& board = h.main.board();
        const std::string hint = board.control(thirds.levelMark).hint;
        EXPECT_EQ(hint.rfind(expectedTeams(h.main, choose ? "QAT=KOR" : "KOR=QAT") + ": ", 0), 0u) << hint;
        const std::string key = choose ? "level.thirdsChosen" : "level.thirdsByGroup";
        EXPECT_NE(hint.find(languageText(LanguageEnglish, key).substr(4, 60)), std::string::npos) << hint;
        std::string groups;
        for (const ThirdsControls::Row& row : thirds.rows)
            groups += board.text(row.group);
        const std::string m(LevelRowMark);
        EXPECT_EQ(groups, std::string("LKJIHGFEDC") + (choose ? "B" + m + "A" + m : "A" + m + "B" + m));
    }
}

// The language in force names the teams and says why, after a switch too.
TEST(LevelOrderTest, TheHintFollowsTheLanguage)
{
    EditionHarness h("worldcup-2018");
    h.typeRealGroupScores();
    const ControlId mark = h.main.controls().groups[7].levelMark;
    for (int language = 0; language < LanguageCount; ++language) {
        h.main.preferences().languageIndex = language;
        h.main.ApplyLanguage();
        const std::string& hint = h.main.board().control(mark).hint;
        EXPECT_EQ(hint.rfind(expectedTeams(h.main, "SEN=JPN"), 0), 0u) << hint;
        const std::string& text = languageText(language, "level.groupByDraw");
        EXPECT_NE(hint.find(text.substr(text.find('%') + 4, 30)), std::string::npos) << language << ": " << hint;
    }
}

// The names of group H's rows 1..4 on the board.
std::vector<std::string> groupNames(const MainBoard& main, size_t group)
{
    std::vector<std::string> names;
    for (const ControlId name : main.controls().groups[group].name)
        names.push_back(main.board().text(name));
    return names;
}

struct MoveCase {
    const char* what;
    std::vector<size_t> moves;  // entries moved down one by one
    const char* text;           // the level order written
    std::vector<int> rowsChanged;
};

// Moving within runs, never across: canMoveUp/Down on each entry, then the
// moves of the table below and the text they write.
TEST(LevelOrderTest, TeamsMoveOnlyWithinTheirRun)
{
    EditionHarness h("worldcup-2018");
    Prediction prediction = Prediction::empty(h.tournament);
    twoRunsInGroupA(h.tournament, prediction);
    h.type(prediction);
    std::optional<LevelOrderModel> model = LevelOrderModel::forMark(h.main, h.main.controls().groups[0].levelMark);
    ASSERT_TRUE(model);
    ASSERT_EQ(model->entries().size(), 4u);
    const bool up[] = {false, true, false, true};
    const bool down[] = {true, false, true, false};
    for (size_t e = 0; e < 4; ++e) {
        EXPECT_EQ(model->canMoveUp(e), up[e]) << e;
        EXPECT_EQ(model->canMoveDown(e), down[e]) << e;
        EXPECT_EQ(model->entries()[e].row, e);
    }
    EXPECT_FALSE(model->moveDown(1));
    EXPECT_FALSE(model->moveUp(2));
    EXPECT_FALSE(model->moveDown(4));
    EXPECT_EQ(model->levelOrderText(), "RUS,KSA,EGY,URU");
    EXPECT_TRUE(model->moveDown(0));
    EXPECT_TRUE(model->moveUp(3));
    EXPECT_EQ(model->levelOrderText(), "KSA,RUS,URU,EGY");
    EXPECT_EQ(model->entries()[0].row, 0u);
    EXPECT_EQ(model->entries()[0].name, h.main.language().teamName(team(h.tournament, "KSA") + 1));

    model->apply(h.main);
    const auto name = [&](const char* code) { return h.main.language().teamName(team(h.tournament, code) + 1); };
    EXPECT_EQ(groupNames(h.main, 0), (std::vector{name("KSA"), name("RUS"), name("URU"), name("EGY")}));
    EXPECT_EQ(h.main.board().text(h.main.controls().groups[0].levelOrder), "KSA,RUS,URU,EGY");
}

// The choice is one step: Undo puts back the table and the box as they
// were, Redo the choice; a second choice is a step of its own.
TEST(LevelOrderTest, AChoiceIsOneStepOfTheHistory)
{
    EditionHarness h("worldcup-2018");
    h.typeRealGroupScores();
    const GroupControls& groupH = h.main.controls().groups[7];
    const std::vector<std::string> drawn = groupNames(h.main, 7);
    const std::string drawnHint = h.main.board().control(groupH.levelMark).hint;

    std::optional<LevelOrderModel> model = LevelOrderModel::forMark(h.main, groupH.levelMark);
    ASSERT_TRUE(model);
    ASSERT_TRUE(model->moveDown(0));
    model->apply(h.main);
    const std::vector<std::string> chosen = groupNames(h.main, 7);
    const std::string chosenHint = h.main.board().control(groupH.levelMark).hint;
    EXPECT_EQ(chosen[1], drawn[2]);
    EXPECT_EQ(chosen[2], drawn[1]);
    EXPECT_NE(chosenHint, drawnHint);
    // The round of 16 follows the table: its slot 2H takes the new second.
    ControlId japanSlot = NoControl;
    for (const MatchControls& match : h.main.controls().rounds[0].matches) {
        for (size_t side = 0; side < 2; ++side) {
            if (h.tournament.knockout[static_cast<size_t>(match.match)].sides[side].text == "2H")
                japanSlot = match.label[side];
        }
    }
    ASSERT_NE(japanSlot, NoControl);
    EXPECT_EQ(h.main.board().text(japanSlot), chosen[1]);

    // Chosen back again: a second step, not merged into the first.
    std::optional<LevelOrderModel> again = LevelOrderModel::forMark(h.main, groupH.levelMark);
    ASSERT_TRUE(again && again->moveDown(0));
    again->apply(h.main);
    EXPECT_EQ(groupNames(h.main, 7), drawn);

    h.main.Undo1Click();
    EXPECT_EQ(groupNames(h.main, 7), chosen);
    EXPECT_EQ(h.main.board().text(japanSlot), chosen[1]);
    h.main.Undo1Click();
    EXPECT_EQ(groupNames(h.main, 7), drawn);
    EXPECT_EQ(h.main.board().text(groupH.levelOrder), "");
    EXPECT_EQ(h.main.board().control(groupH.levelMark).hint, drawnHint);
    EXPECT_FALSE(h.main.history().canUndo());
    h.main.Redo1Click();
    EXPECT_EQ(groupNames(h.main, 7), chosen);
    EXPECT_EQ(h.main.board().control(groupH.levelMark).hint, chosenHint);
}

// Only a table's mark opens a choice, and only while it has level teams.
TEST(LevelOrderTest, AChoiceOpensOnlyForAMarkWithLevelTeams)
{
    EditionHarness h("worldcup-2018");
    h.typeRealGroupScores();
    const BoardControls& controls = h.main.controls();
    EXPECT_TRUE(LevelOrderModel::forMark(h.main, controls.groups[7].levelMark));
    EXPECT_FALSE(LevelOrderModel::forMark(h.main, controls.groups[0].levelMark));
    EXPECT_FALSE(LevelOrderModel::forMark(h.main, controls.groups[7].clearButton));
    EXPECT_FALSE(LevelOrderModel::forMark(h.main, NoControl));
    EXPECT_TRUE(controls.isLevelMark(controls.groups[0].levelMark));
    EXPECT_FALSE(controls.isLevelMark(controls.groups[0].clearButton));
    EXPECT_FALSE(controls.isLevelMark(NoControl));
}

// The chosen order goes through the predictions file: the board's
// prediction written, read back and set on a fresh board ranks the same.
TEST(LevelOrderTest, TheChosenOrderRoundTripsThroughTheFile)
{
    struct Choice {
        const char* edition;
        size_t table;  // group index, or the groups' count for the thirds
        std::function<void(const Tournament&, Prediction&)> predict;
        const char* written;
    };
    const Choice choices[] = {
        {"worldcup-2018", 7, [](const Tournament& t, Prediction& p) { p.group = Prediction::real(t).group; },
         "H=JPN,SEN"},
        {"worldcup-2026", 12,
         [](const Tournament& t, Prediction& p) { drawEverywhere(t, p, [](int g) { return g < 2 ? 1 : g; }); },
         "Thirds=QAT,KOR"},
    };
    for (const Choice& choice : choices) {
        EditionHarness h(choice.edition);
        Prediction prediction = Prediction::empty(h.tournament);
        choice.predict(h.tournament, prediction);
        h.type(prediction);
        const BoardControls& controls = h.main.controls();
        const bool thirds = choice.table == controls.groups.size();
        const ControlId mark = thirds ? controls.thirds.front().levelMark : controls.groups[choice.table].levelMark;
        std::optional<LevelOrderModel> model = LevelOrderModel::forMark(h.main, mark);
        ASSERT_TRUE(model) << choice.edition;
        ASSERT_TRUE(model->moveDown(model->entries().size() - 2)) << choice.edition;
        model->apply(h.main);

        TournamentPredictions saved{h.main.rules().play().prediction(), h.main.preferences(), {}};
        const std::string text = tournamentPredictionsText(h.tournament, saved, "");
        EXPECT_NE(text.find("\r\n" + std::string(choice.written) + "\r\n"), std::string::npos) << text;
        const TournamentPredictions back = readTournamentPredictions(h.tournament, SettingsFile(text));

        EditionHarness fresh(choice.edition);
        setBoxes(fresh.main.board(), predictionBoxTexts(fresh.main.controls(), fresh.tournament, back.prediction));
        const Outcome& before = h.main.rules().play().outcome();
        const Outcome& after = fresh.main.rules().play().outcome();
        const RankedTable& was = thirds ? before.thirds.table : before.groups[choice.table];
        const RankedTable& is = thirds ? after.thirds.table : after.groups[choice.table];
        EXPECT_EQ(is.rows, was.rows) << choice.edition;
        EXPECT_EQ(is.below, was.below) << choice.edition;
        EXPECT_EQ(fresh.main.board().control(mark).hint, h.main.board().control(mark).hint) << choice.edition;
    }
}

}  // namespace
}  // namespace tiplark
