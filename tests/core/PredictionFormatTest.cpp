// A board of any tournament through its predictions file: load, save,
// import, export and start, the file of the default tournament left to
// PredictionsFileTest.
#include "document/PredictionFormat.h"

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "TournamentFiles.h"
#include "document/PredictionsFile.h"
#include "document/TournamentFileFormat.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "storage/LastPrediction.h"
#include "storage/PredictionsLocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::readBytes;
using testing::replaced;
using testing::TemporaryFolder;
using testing::writeBytes;

constexpr int French = 2;
constexpr int German = 3;

const char* const OtherEditions[] = {"worldcup-2010", "worldcup-2014", "worldcup-2018", "worldcup-2022",
                                     "worldcup-2026"};

const Tournament& edition(const std::string& id)
{
    static std::map<std::string, Tournament> loaded;
    auto found = loaded.find(id);
    if (found == loaded.end())
        found = loaded.emplace(id, testing::shippedTournament(id)).first;
    return found->second;
}

struct TournamentBoard {
    explicit TournamentBoard(const Tournament& tournament)
        : main{Services{messages, cursor, dates}, tournament}
    {
    }
    testing::RecordingMessageService messages;
    testing::RecordingCursorService cursor;
    FixedDateTimeFormat dates;
    MainBoard main;
};

// The real results of a tournament as its file, with a favourite and
// preferences other than the defaults.
std::string realResultsFile(const Tournament& tournament, const std::string& favorite)
{
    TournamentPredictions real{Prediction::real(tournament), {}, {}};
    real.preferences.firstRun = false;
    real.preferences.languageIndex = French;
    real.preferences.favoriteTeam = favorite;
    return tournamentPredictionsText(tournament, real, "");
}

// Each edition's real results load onto its board whole (scores, shoot-outs
// and level orders: the board's engine holds the same prediction), the
// favourite code becomes the board's team number, and a save writes the
// file back byte for byte, without a backup.
TEST(PredictionFormatTest, EveryEditionRoundTripsThroughItsBoard)
{
    for (const char* id : OtherEditions) {
        const Tournament& tournament = edition(id);
        const std::string favorite = tournament.teams[3].code;
        const TemporaryFolder folder;
        const std::string path = folder.file("Tiplark-x.ini");
        const std::string text = realResultsFile(tournament, favorite);
        writeBytes(path, text);

        TournamentBoard board(tournament);
        ASSERT_EQ(LoadPredictions(board.main, path), PredictionsLoad::Loaded) << id;
        EXPECT_TRUE(board.main.rules().play().prediction() == Prediction::real(tournament)) << id;
        EXPECT_EQ(board.main.preferences().favoriteIndex, 4) << id;
        EXPECT_EQ(board.main.preferences().languageIndex, French) << id;
        EXPECT_FALSE(hasUnsavedChanges(board.main)) << id;
        EXPECT_FALSE(board.main.history().canUndo()) << id;

        ASSERT_TRUE(SaveAll(board.main, path)) << id;
        EXPECT_EQ(readBytes(path), text) << id;
        EXPECT_FALSE(std::filesystem::exists(path + ".1.bak")) << id;
        EXPECT_EQ(predictionsFileText(board.main, text), text) << id;
    }
}

TEST(PredictionFormatTest, FavoriteIsATeamCodeInTheFileAndANumberOnTheBoard)
{
    const Tournament& tournament = edition("worldcup-2026");
    const struct {
        std::string code;
        int index;
    } cases[] = {{"", 0}, {tournament.teams[0].code, 1}, {tournament.teams.back().code, static_cast<int>(tournament.teams.size())},
                 {"XYZ", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(boardFavorite(tournament, c.code), c.index) << c.code;
        if (c.code != "XYZ") {
            EXPECT_EQ(fileFavorite(tournament, c.index), c.code) << c.index;
        }
    }
    EXPECT_EQ(fileFavorite(tournament, static_cast<int>(tournament.teams.size()) + 1), "");
}

// A prediction of one tournament is never read into another's board.
TEST(PredictionFormatTest, AFileOfAnotherTournamentIsRefused)
{
    const TemporaryFolder folder;
    const std::string tiplarkIni = folder.file("Tiplark.ini");
    writeBytes(tiplarkIni, readBytes(testing::testData("predictions/complete-board.ini")));
    const std::string file2022 = folder.file("Tiplark-2022.ini");
    writeBytes(file2022, realResultsFile(edition("worldcup-2022"), ""));
    const struct {
        const char* board;
        std::string file;
    } cases[] = {{"worldcup-2006", file2022}, {"worldcup-2026", file2022}, {"worldcup-2026", tiplarkIni}};
    for (const auto& c : cases) {
        TournamentBoard board(c.board == std::string(DefaultTournamentId) ? testing::worldCup2006() : edition(c.board));
        EXPECT_EQ(ImportPrediction(board.main, c.file), PredictionsLoad::OtherTournament) << c.board << " " << c.file;
        EXPECT_EQ(LoadPredictions(board.main, c.file), PredictionsLoad::OtherTournament) << c.board << " " << c.file;
        EXPECT_FALSE(board.main.history().canUndo());
        EXPECT_TRUE(board.main.rules().play().prediction() == Prediction::empty(board.main.tournament()));
    }
}

// Import is one step of the history; export writes the board's file format
// elsewhere and leaves the board's own file as it was.
TEST(PredictionFormatTest, ImportUndoRedoAndExportOnA2026Board)
{
    const Tournament& tournament = edition("worldcup-2026");
    const TemporaryFolder folder;
    const std::string own = folder.file("Tiplark-2026.ini");
    const std::string other = folder.file("friend.ini");
    writeBytes(other, realResultsFile(tournament, "MEX"));
    TournamentBoard board(tournament);
    ASSERT_TRUE(StartPrediction(board.main, own, Preferences{}));

    ASSERT_EQ(ImportPrediction(board.main, other), PredictionsLoad::Loaded);
    EXPECT_TRUE(board.main.rules().play().prediction() == Prediction::real(tournament));
    EXPECT_EQ(board.main.preferences().favoriteIndex, 0);  // the board keeps its own preferences
    EXPECT_TRUE(hasUnsavedChanges(board.main));
    board.main.Undo1Click();
    EXPECT_TRUE(board.main.rules().play().prediction() == Prediction::empty(tournament));
    board.main.Redo1Click();
    EXPECT_TRUE(board.main.rules().play().prediction() == Prediction::real(tournament));

    const std::string exported = folder.file("export.ini");
    ASSERT_TRUE(SaveAll(board.main, exported));
    EXPECT_EQ(board.main.file().path(), own);
    const TournamentPredictions back = readTournamentPredictions(tournament, SettingsFile(readBytes(exported)));
    EXPECT_TRUE(back.prediction == Prediction::real(tournament));
    EXPECT_EQ(readBytes(exported).rfind("[TOURNAMENT]\r\nId=worldcup-2026\r\n", 0), 0u);
}

// What a save of a damaged file would lose is kept in a numbered backup
// first; lines outside the program's sections stay.
TEST(PredictionFormatTest, ADamagedFileIsBackedUpBeforeTheSaveReplacesIt)
{
    const Tournament& tournament = edition("worldcup-2026");
    const std::string good = realResultsFile(tournament, "");
    const struct {
        const char* damage;
        std::string text;
    } cases[] = {
        {"unreadable score", replaced(good, "MEX-RSA=", "MEX-RSA=x")},
        {"unknown level-order code", replaced(good, "[LEVEL ORDER]\r\n", "[LEVEL ORDER]\r\nA=XYZ\r\n")},
        {"unknown favourite", replaced(good, "Favorite=", "Favorite=XYZ")},
    };
    for (const auto& c : cases) {
        const TemporaryFolder folder;
        const std::string path = folder.file("Tiplark-2026.ini");
        const std::string text = "; mine\n" + c.text;
        writeBytes(path, text);
        TournamentBoard board(tournament);
        ASSERT_EQ(LoadPredictions(board.main, path), PredictionsLoad::Loaded) << c.damage;
        ASSERT_TRUE(SaveAll(board.main, path)) << c.damage;
        EXPECT_EQ(readBytes(path + ".1.bak"), text) << c.damage;
        EXPECT_EQ(readBytes(path).rfind("; mine\n", 0), 0u) << c.damage;
        EXPECT_EQ(board.messages.information.size(), 1u) << c.damage;
    }
}

// A new tournament file is no first run: the preferences of the board the
// user comes from, and the file written at once.
TEST(PredictionFormatTest, ANewFileTakesTheLanguageAndTimeOfThePreviousBoard)
{
    const TemporaryFolder folder;
    const std::string path = folder.file("Tiplark-2026.ini");
    Preferences carried;
    carried.languageIndex = German;
    carried.zoneShift = 5.0 / 24;
    carried.zoneCode = "x40";
    carried.daylightShift = 1.0 / 24;
    carried.favoriteIndex = 7;  // a team of another tournament: not carried
    TournamentBoard board(edition("worldcup-2026"));
    ASSERT_TRUE(StartPrediction(board.main, path, carried));
    const Preferences& preferences = board.main.preferences();
    EXPECT_EQ(preferences.languageIndex, German);
    EXPECT_EQ(preferences.zoneCode, "x40");
    EXPECT_DOUBLE_EQ(preferences.zoneShift, 5.0 / 24);
    EXPECT_DOUBLE_EQ(preferences.daylightShift, 1.0 / 24);
    EXPECT_EQ(preferences.favoriteIndex, 0);
    EXPECT_FALSE(preferences.firstRun);
    EXPECT_FALSE(hasUnsavedChanges(board.main));

    TournamentBoard reopened(edition("worldcup-2026"));
    ASSERT_EQ(LoadPredictions(reopened.main, path), PredictionsLoad::Loaded);
    EXPECT_EQ(reopened.main.preferences().languageIndex, German);
    EXPECT_EQ(reopened.main.preferences().zoneCode, "x40");
}

TEST(PredictionFormatTest, UnsavedChangesFollowTheBoardAgainstItsFile)
{
    const TemporaryFolder folder;
    const std::string path = folder.file("Tiplark-2018.ini");
    TournamentBoard board(edition("worldcup-2018"));
    ASSERT_TRUE(StartPrediction(board.main, path, Preferences{}));
    const ControlId box = board.main.controls().groups[0].score[0][0];
    board.main.userEdit(box, "3");
    EXPECT_TRUE(hasUnsavedChanges(board.main));
    board.main.userEdit(box, "");
    EXPECT_FALSE(hasUnsavedChanges(board.main));
    board.main.userEdit(box, "2");
    ASSERT_TRUE(SaveAll(board.main, path));
    EXPECT_FALSE(hasUnsavedChanges(board.main));
}

TEST(PredictionFormatTest, EachTournamentHasItsFileBesideTiplarkIni)
{
    const std::string ini = "/home/fan/Tiplark/Tiplark.ini";
    std::vector<Tournament> all = {edition("worldcup-2006"), edition("worldcup-2022"), edition("worldcup-2026")};
    Tournament womens = edition("worldcup-2026");
    womens.id = "womens-2026";
    const struct {
        const Tournament& tournament;
        bool withTwin;
        const char* expected;
    } cases[] = {
        {all[0], false, "/home/fan/Tiplark/Tiplark.ini"},
        {all[1], false, "/home/fan/Tiplark/Tiplark-2022.ini"},
        {all[2], false, "/home/fan/Tiplark/Tiplark-2026.ini"},
        {all[2], true, "/home/fan/Tiplark/Tiplark-worldcup-2026.ini"},
        {womens, true, "/home/fan/Tiplark/Tiplark-womens-2026.ini"},
    };
    for (const auto& c : cases) {
        std::vector<Tournament> catalog = all;
        if (c.withTwin)
            catalog.push_back(womens);
        EXPECT_EQ(tournamentPredictionsPath(ini, c.tournament, catalog), c.expected);
    }
}

TEST(PredictionFormatTest, TheLastPredictionIsRememberedBesideTiplarkIni)
{
    const TemporaryFolder folder;
    const std::string ini = folder.file("Tiplark.ini");
    EXPECT_EQ(readLastPrediction(ini), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(lastPredictionSessionPath(ini)));
    for (const std::string& opened : {folder.file("Tiplark-2026.ini"), std::string("/elsewhere/a b=c.ini")}) {
        ASSERT_TRUE(rememberLastPrediction(ini, opened));
        EXPECT_EQ(readLastPrediction(ini), opened);
    }
    EXPECT_EQ(std::filesystem::path(lastPredictionSessionPath(ini)).parent_path(), folder.path());
}

}  // namespace
}  // namespace tiplark
