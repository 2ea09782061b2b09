#include "document/ExitPrompt.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/OptionsModel.h"
#include "document/PredictionsFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tiplark {
namespace {

using testing::BoardHarness;
using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

class StartupTest : public ::testing::Test {
protected:
    std::string path() const { return m_folder.file("Tiplark.ini"); }

    TemporaryFolder m_folder;
    BoardHarness m_board;
};

TEST_F(StartupTest, MissingFileShowsTheOptionsAndLoadsNothing)
{
    int dialogs = 0;
    ReadAll(m_board.main, path(), [&] {
        ++dialogs;
        EXPECT_TRUE(m_board.main.preferences().firstRun);
    });
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(std::filesystem::exists(path())) << "only the dialog's OK saves";
}

TEST_F(StartupTest, FileWithoutFirstTimeNoIsAFirstRun)
{
    for (const char* preferences : {"Language=1\n", "FirstTime=1\n", "FirstTime=yes\n", "FirstTime=\n"}) {
        BoardHarness h;
        writeBytes(path(), std::string("[PREFERENCES]\n") + preferences + "[GROUP A]\nGame1=2-1\n");
        int dialogs = 0;
        ReadAll(h.main, path(), [&] { ++dialogs; });
        EXPECT_EQ(dialogs, 1) << preferences;
        EXPECT_EQ(h.main.preferences().languageIndex, 0) << preferences;
        EXPECT_EQ(h.text("GA11"), "") << preferences;
    }
}

TEST_F(StartupTest, FirstRunChoiceIsSavedAndTheNextStartIsNormal)
{
    // The user picks Spanish and a time zone in the first-run options dialog.
    ReadAll(m_board.main, path(), [&] {
        OptionsModel options(m_board.main, [&] { return SaveAll(m_board.main, path()); });
        options.FormShow();
        options.setLanguageSelection(1);
        options.LangCBChange();
        options.setTimeZoneSelection(7);
        ASSERT_TRUE(options.OKButtonClick());
    });
    EXPECT_EQ(m_board.text("GAName3"), "Alemania");
    EXPECT_EQ(m_board.text("Final811Lbl"), "Costa Rica");
    EXPECT_EQ(m_board.text("GA11"), "");
    EXPECT_FALSE(m_board.main.preferences().teamNamesPending);
    EXPECT_EQ(readBytes(path()).find("FirstTime=0\n"), readBytes(path()).find("FirstTime="));

    // Leaving with No and starting again loads that file without the dialog.
    m_board.messages.answers.push_back(DialogResult::No);
    ASSERT_TRUE(FormClose(m_board.main, path()));
    BoardHarness next;
    int dialogs = 0;
    ReadAll(next.main, path(), [&] { ++dialogs; });
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(next.main.preferences().firstRun);
    EXPECT_EQ(next.main.preferences().languageIndex, 1);
    EXPECT_EQ(next.main.preferences().zoneShift, -0.25);
    EXPECT_EQ(next.text("GAName3"), "Alemania");
}

TEST_F(StartupTest, NormalStartReadsPreferencesAndScores)
{
    writeBytes(path(), "[PREFERENCES]\nLanguage=1\nFavorite=11\nTimeZone=-0.25\nGMT=x35\nDaylight=0.0416666666666667\n"
                       "FirstTime=0\n[GROUP A]\nGame1=0-2\n");
    bool dialog = false;
    ReadAll(m_board.main, path(), [&] { dialog = true; });
    EXPECT_FALSE(dialog);
    const Preferences& p = m_board.main.preferences();
    EXPECT_FALSE(p.firstRun);
    EXPECT_FALSE(p.teamNamesPending);
    EXPECT_EQ(p.languageIndex, 1);
    EXPECT_EQ(p.favoriteIndex, 11);
    EXPECT_EQ(p.zoneShift, -0.25);
    EXPECT_NEAR(p.daylightShift, 1.0 / 24, 1e-15);
    EXPECT_EQ(m_board.text("GA11"), "0");
    EXPECT_EQ(m_board.text("GA12"), "2");
    // Costa Rica beat Germany: the table and the round of 16 are rebuilt, and
    // every team label is in Spanish, including those still in design state.
    EXPECT_EQ(m_board.text("GAName1"), "Costa Rica");
    EXPECT_EQ(m_board.text("Final811Lbl"), "Costa Rica");
    EXPECT_EQ(m_board.text("Final831Lbl"), "Inglaterra");
    EXPECT_EQ(m_board.main.language().favoriteName(), "Alemania");
}

class ExitTest : public StartupTest {
protected:
    void SetUp() override { m_board.set("GA11", "3"); }
    void answer(DialogResult result) { m_board.messages.answers.push_back(result); }
};

TEST_F(ExitTest, AsksInTheCurrentLanguage)
{
    answer(DialogResult::Cancel);
    FormClose(m_board.main, path());
    m_board.main.preferences().languageIndex = 2;
    m_board.main.ApplyLanguage();
    answer(DialogResult::Cancel);
    FormClose(m_board.main, path());
    ASSERT_EQ(m_board.messages.questions.size(), 2u);
    EXPECT_EQ(m_board.messages.questions[0].rfind("Do you want to save the data before exiting?\r\r", 0), 0u);
    EXPECT_EQ(m_board.messages.questions[1].rfind("Voulez-vous sauvegarder les données avant de quitter?", 0), 0u);
}

TEST_F(ExitTest, YesSavesAndCloses)
{
    answer(DialogResult::Yes);
    EXPECT_TRUE(FormClose(m_board.main, path()));
    EXPECT_NE(readBytes(path()).find("[GROUP A]\nGame1=3-\n"), std::string::npos);
    EXPECT_TRUE(m_board.messages.errors.empty());
}

TEST_F(ExitTest, NoClosesWithoutSaving)
{
    writeBytes(path(), "[PREFERENCES]\nFirstTime=0\n");
    answer(DialogResult::No);
    EXPECT_TRUE(FormClose(m_board.main, path()));
    EXPECT_EQ(readBytes(path()), "[PREFERENCES]\nFirstTime=0\n");
}

TEST_F(ExitTest, CancelKeepsRunningAndChangesNothing)
{
    answer(DialogResult::Cancel);
    EXPECT_FALSE(FormClose(m_board.main, path()));
    EXPECT_FALSE(std::filesystem::exists(path()));
    EXPECT_EQ(m_board.text("GA11"), "3");
}

TEST_F(ExitTest, FailedSaveKeepsTheWindowOpen)
{
    const std::string unwritable = m_folder.file("missing/Tiplark.ini");
    answer(DialogResult::Yes);
    EXPECT_FALSE(FormClose(m_board.main, unwritable));
    ASSERT_EQ(m_board.messages.errors.size(), 1u);
    EXPECT_EQ(m_board.messages.errors[0], "Unable to write to " + unwritable);

    // Asked again, the user can still leave without saving.
    answer(DialogResult::No);
    EXPECT_TRUE(FormClose(m_board.main, unwritable));
}

}  // namespace
}  // namespace tiplark
