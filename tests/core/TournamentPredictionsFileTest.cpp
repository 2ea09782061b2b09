#include "document/TournamentPredictionsFile.h"

#include "TournamentFiles.h"
#include "storage/TournamentKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace tiplark {
namespace {

using testing::replaced;
using testing::shippedTournament;

const char* const Editions[] = {"worldcup-2006", "worldcup-2010", "worldcup-2014",
                                "worldcup-2018", "worldcup-2022", "worldcup-2026"};

TournamentPredictions realPredictions(const Tournament& tournament)
{
    TournamentPredictions real{Prediction::real(tournament), {}, {}};
    real.preferences.firstRun = false;
    return real;
}

TournamentPredictions read(const Tournament& tournament, const std::string& text)
{
    const SettingsFile file(text);
    return readTournamentPredictions(tournament, file);
}

// Every edition's real results, written and read back, are the same
// prediction (level orders among them), and nothing is left untaken.
TEST(TournamentPredictionsFileTest, RealResultsOfEveryEditionRoundTrip)
{
    for (const char* id : Editions) {
        const Tournament tournament = shippedTournament(id);
        const TournamentPredictions real = realPredictions(tournament);
        const std::string text = tournamentPredictionsText(tournament, real, "");
        const TournamentPredictions back = read(tournament, text);
        EXPECT_TRUE(back.prediction == real.prediction) << id;
        EXPECT_FALSE(back.losesData(SettingsFile(text))) << id;
        EXPECT_FALSE(back.preferences.firstRun) << id;
        // A second save over the first changes nothing.
        EXPECT_EQ(tournamentPredictionsText(tournament, back, text), text) << id;
    }
}

// The keys stand in the order of the tournament file's matches, and the
// level order the real 2018 results carry is written by code.
TEST(TournamentPredictionsFileTest, KeysFollowTheTournamentFile)
{
    const Tournament tournament = shippedTournament("worldcup-2018");
    const std::string text = tournamentPredictionsText(tournament, realPredictions(tournament), "");
    const auto at = [&text](const std::string& line) { return text.find("\r\n" + line + "\r\n"); };
    EXPECT_EQ(text.rfind("[TOURNAMENT]\r\nId=worldcup-2018\r\n", 0), 0u);
    EXPECT_LT(at("RUS-KSA=5-0"), at("EGY-URU=0-1"));
    EXPECT_LT(at("EGY-URU=0-1"), at("[KNOCKOUT]"));
    EXPECT_LT(at("[KNOCKOUT]"), at("M49=4-3"));
    EXPECT_LT(at("M49=4-3"), at("M64=4-2"));
    EXPECT_NE(at("H=JPN,SEN"), std::string::npos);
    // 2018 has no third-placed teams that go through.
    EXPECT_EQ(text.find("Thirds="), std::string::npos);
}

struct Damage {
    const char* what;
    const char* from;  // in the real 2026 file
    const char* to;
    bool unloaded;     // the next save must keep a backup first
    const char* key;   // a key whose value then reads back as…
    const char* value; // …this, written again
};

const Damage Damages[] = {
    {"a score a box could not hold", "MEX-RSA=2-0", "MEX-RSA=two", true, "MEX-RSA", ""},
    {"a shoot-out in a group match", "MEX-RSA=2-0", "MEX-RSA=1-1 (4-3)", true, "MEX-RSA", ""},
    {"a shoot-out after a score that is not level", "M73=0-1", "M73=0-1 (4-3)", true, "M73", "0-1"},
    {"a three-digit score", "M73=0-1", "M73=100-1", true, "M73", ""},
    {"a key of no match", "MEX-RSA=2-0", "MEX-RSA=2-0\nMEX-BRA=1-0", true, "MEX-RSA", "2-0"},
    {"the same key twice", "MEX-RSA=2-0", "MEX-RSA=2-0\nMEX-RSA=3-0", true, "MEX-RSA", "2-0"},
    {"a line that is no key", "M73=0-1", "M73=0-1\nnothing here", true, "M73", "0-1"},
    {"a team of another group in a level order", "\nA=\r\n", "\nA=MEX,BRA\r\n", true, "A", "MEX"},
    {"a team twice in a level order", "\nA=\r\n", "\nA=KOR,MEX,KOR\r\n", true, "A", "KOR,MEX"},
    {"a favourite that does not play", "Favorite=", "Favorite=ITA", true, "Favorite", ""},
    {"a language out of range", "Language=0", "Language=9", true, "Language", "0"},
    // Taken whole, only spelt otherwise: nothing to keep.
    {"blanks around a score", "MEX-RSA=2-0", "MEX-RSA= 2 - 0 ", false, "MEX-RSA", "2-0"},
    {"one side only", "M73=0-1", "M73=0-", false, "M73", "0-"},
    {"an empty score", "M73=0-1", "M73=", false, "M73", ""},
    {"a level score without its shoot-out", "M74=1-1 (3-4)", "M74=1-1", false, "M74", "1-1"},
    {"a favourite that plays", "Favorite=", "Favorite=MEX", false, "Favorite", "MEX"},
    {"the third-placed teams' order", "Thirds=", "Thirds=GHA, SEN", false, "Thirds", "GHA,SEN"},
    {"lower-case names", "[GROUP MATCHES]\r\nMEX-RSA=2-0", "[group matches]\r\nmex-rsa=2-0", false, "MEX-RSA", "2-0"},
    {"a section of someone else", "[KNOCKOUT]", "[MINE]\nMEX-RSA=9-9\n[KNOCKOUT]", false, "MEX-RSA", "2-0"},
    {"a comment", "M73=0-1", "; the opener\nM73=0-1", false, "M73", "0-1"},
};

// The value a file holds for a key of any of the program's sections.
std::string writtenValue(const std::string& text, const char* key)
{
    const SettingsFile file(text);
    for (const char* section : {PreferencesSection, GroupMatchesSection, KnockoutSection, LevelOrderSection}) {
        if (std::optional<std::string> value = file.value(section, key))
            return *value;
    }
    return "(none)";
}

TEST(TournamentPredictionsFileTest, WhatCannotBeTakenIsFlaggedAndTheRestRead)
{
    const Tournament tournament = shippedTournament("worldcup-2026");
    const std::string real = tournamentPredictionsText(tournament, realPredictions(tournament), "");
    for (const Damage& damage : Damages) {
        const std::string text = replaced(real, damage.from, damage.to);
        const TournamentPredictions back = read(tournament, text);
        EXPECT_EQ(back.losesData(SettingsFile(text)), damage.unloaded) << damage.what;
        EXPECT_EQ(writtenValue(tournamentPredictionsText(tournament, back, ""), damage.key), damage.value) << damage.what;
        // The other 103 matches are read as they are.
        Prediction others = back.prediction;
        Prediction expected = Prediction::real(tournament);
        for (Prediction* prediction : {&others, &expected}) {
            prediction->group[0] = {};
            prediction->knockout[0] = {};
            prediction->knockout[1] = {};
            prediction->levelOrder = Prediction::empty(tournament).levelOrder;
        }
        EXPECT_TRUE(others == expected) << damage.what;
    }
}

// A save writes the program's sections and keeps every other line where it
// stood; a file that only names its tournament reads as an empty prediction.
TEST(TournamentPredictionsFileTest, SaveKeepsForeignLinesAndReadsAMinimalFile)
{
    const Tournament tournament = shippedTournament("worldcup-2026");
    const std::string previous = "; my pool\n[TOURNAMENT]\nId=worldcup-2026\n[POOL]\nName=Anna\n[KNOCKOUT]\nM104=2-0\n";
    const TournamentPredictions minimal = read(tournament, previous);
    EXPECT_FALSE(minimal.losesData(SettingsFile(previous)));
    Prediction expected = Prediction::empty(tournament);
    expected.knockout[static_cast<size_t>(tournament.knockoutIndex(104))] = MatchScore{{2, 0}};
    EXPECT_TRUE(minimal.prediction == expected);

    const std::string saved = tournamentPredictionsText(tournament, minimal, previous);
    EXPECT_EQ(saved.rfind("; my pool\n[TOURNAMENT]\nId=worldcup-2026\n", 0), 0u);
    EXPECT_NE(saved.find("[POOL]\nName=Anna\n"), std::string::npos);
    EXPECT_NE(saved.find("M104=2-0\n"), std::string::npos);
    EXPECT_TRUE(read(tournament, saved).prediction == expected);
}

TEST(TournamentPredictionsFileTest, FileSaysWhichTournamentItIs)
{
    const TournamentCatalog catalog({TIPLARK_TOURNAMENTS});
    const SettingsFile board("[PREFERENCES]\nFirstTime=0\n[GROUP A]\nGame1=1-0\n");
    EXPECT_EQ(predictionsTournament(catalog, board), nullptr);
    const SettingsFile named("[TOURNAMENT]\nId=worldcup-2014\n");
    ASSERT_NE(predictionsTournament(catalog, named), nullptr);
    EXPECT_EQ(predictionsTournament(catalog, named)->id, "worldcup-2014");
    const SettingsFile unknown("[TOURNAMENT]\nId=worldcup-2030\n");
    try {
        predictionsTournament(catalog, unknown);
        ADD_FAILURE() << "an unknown tournament was accepted";
    } catch (const UnknownTournament& error) {
        EXPECT_EQ(error.id(), "worldcup-2030");
        EXPECT_NE(std::string(error.what()).find("\"worldcup-2030\""), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace tiplark
