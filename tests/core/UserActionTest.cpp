// What a window hears of each user action: once, and exactly what changed.
#include "BoardChanges.h"
#include "BracketPlay.h"
#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/PredictionsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::BoardHarness;

struct UserAction {
    const char* name;
    std::function<void(BoardHarness&)> prepare;
    std::function<void(BoardHarness&)> act;
};

void loadComplete(BoardHarness& h)
{
    ASSERT_EQ(LoadPredictions(h.main, testing::testData("predictions/complete-board.ini")), PredictionsLoad::Loaded);
}

const std::vector<UserAction>& userActions()
{
    static const std::vector<UserAction> actions = {
        {"a keystroke in a complete group", loadComplete, [](BoardHarness& h) { h.set("GA11", "0"); }},
        {"a keystroke that changes the group winner", loadComplete, [](BoardHarness& h) { h.set("GA12", "9"); }},
        {"a keystroke in the final", loadComplete, [](BoardHarness& h) { h.set("Final11", ""); }},
        {"clearing the round of 16", loadComplete,
         [](BoardHarness& h) { h.main.clearing().GroupADelButtonClick(h.board().id("GPFinal8")); }},
        {"Clear All", loadComplete,
         [](BoardHarness& h) {
             h.messages.answers.push_back(DialogResult::Yes);
             h.main.clearing().ClearAllButtonClick();
         }},
        {"loading a complete file", [](BoardHarness&) {}, loadComplete},
        {"a language and a favourite", loadComplete,
         [](BoardHarness& h) {
             h.main.preferences().languageIndex = 1;  // from French
             h.main.preferences().favoriteIndex = 2;   // from Germany
             h.main.ApplyLanguage();
         }},
        {"pressing a team", loadComplete,
         [](BoardHarness& h) { h.main.highlighter().GAName1MouseDown(h.board().id("GA12Lbl")); }},
        {"a bracket played by hand", [](BoardHarness&) {}, [](BoardHarness& h) {
             const Board::Batch one(h.board());
             testing::playBracket(h);
         }},
    };
    return actions;
}

TEST(UserActions, AreHeardOnceWithEveryControlThatEndedDifferent)
{
    for (const UserAction& action : userActions()) {
        BoardHarness h;
        action.prepare(h);
        const std::vector<testing::ControlState> before = testing::boardState(h.board());
        testing::ActionRecorder recorder(h.board());
        action.act(h);

        ASSERT_EQ(recorder.actions.size(), 1u) << action.name;
        std::vector<ControlChange> heard = recorder.actions[0];
        std::set<ControlId> ids;
        for (const ControlChange& change : heard)
            EXPECT_TRUE(ids.insert(change.id).second) << action.name << ": heard twice of " << h.board().control(change.id).name;
        std::sort(heard.begin(), heard.end(), [](const ControlChange& a, const ControlChange& b) { return a.id < b.id; });
        EXPECT_EQ(heard, testing::differences(before, h.board())) << action.name;
    }
}

TEST(UserActions, FavouriteIsBlueAtTheEndOfEveryAction)
{
    // The highlighting runs once per action; every place of the favourite
    // must still be blue and nothing else, whatever the action changed.
    for (const UserAction& action : userActions()) {
        if (std::string(action.name) == "pressing a team")
            continue;  // red until released
        BoardHarness h;
        action.prepare(h);
        h.main.preferences().favoriteIndex = 11;  // Germany
        h.main.ApplyLanguage();
        action.act(h);
        const std::string& favourite = h.main.language().favoriteName();
        for (const ControlId panel : h.board().topLevel()) {
            for (const ControlId id : h.board().children(panel)) {
                const Control& c = h.board().control(id);
                if (c.kind != ControlKind::Edit && c.kind != ControlKind::Label)
                    continue;
                EXPECT_EQ(c.colour, c.text == favourite ? TextColour::Blue : TextColour::Default)
                    << action.name << ": " << c.name << " reads " << c.text;
            }
        }
    }
}

}  // namespace
}  // namespace tiplark
