#include "i18n/LanguageTables.h"
#include "i18n/TeamNameCatalog.h"
#include "i18n/TeamNames.h"

#include "TournamentFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace tiplark {
namespace {

// Characters, not bytes: the limit is what a board cell shows.
int codePoints(std::string_view utf8)
{
    int count = 0;
    for (const char byte : utf8)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

class ShippedTeamNamesTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedTeamNamesTest, EveryTeamHasItsOwnNameInEveryLanguage)
{
    const Tournament tournament = testing::shippedTournament(GetParam());
    ASSERT_FALSE(tournament.teams.empty());
    for (int language = 0; language < LanguageCount; ++language) {
        std::map<std::string_view, std::string> fullNames;
        std::map<std::string_view, std::string> boardNames;
        for (const TournamentTeam& team : tournament.teams) {
            SCOPED_TRACE(team.code + " in language " + std::to_string(language));
            EXPECT_TRUE(knowsTeam(team.code));
            const std::string_view full = teamName(team.code, language, team.name);
            const std::string_view board = boardTeamName(team.code, language, team.name);
            EXPECT_FALSE(full.empty());
            EXPECT_FALSE(board.empty());
            EXPECT_LE(codePoints(board), BoardNameLimit) << board;
            const auto [fullAt, fullNew] = fullNames.emplace(full, team.code);
            EXPECT_TRUE(fullNew) << full << " is also " << fullAt->second;
            const auto [boardAt, boardNew] = boardNames.emplace(board, team.code);
            EXPECT_TRUE(boardNew) << board << " is also " << boardAt->second;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, ShippedTeamNamesTest, ::testing::ValuesIn(testing::shippedTournamentIds()),
    [](const ::testing::TestParamInfo<std::string>& info) {
        std::string name = info.param;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

TEST(TeamNamesTest, TheSixShippedEditionsAreFound)
{
    EXPECT_GE(testing::shippedTournamentIds().size(), 6u);
}

struct ExpectedName {
    const char* code;
    int language;
    const char* full;
    const char* board;
};

// CLDR's names where they are football's, the project's where they are not.
const ExpectedName ExpectedNames[] = {
    {"CIV", LanguageGerman, "Elfenbeinküste", "Elfenbeinküste"},
    {"CIV", LanguageEnglish, "Ivory Coast", "Ivory Coast"},
    {"CIV", LanguageFrench, "Côte d’Ivoire", "Côte d’Ivoire"},
    {"WAL", LanguageFrench, "Pays de Galles", "Pays de Galles"},
    {"NED", LanguageSpanish, "Países Bajos", "Países Bajos"},
    {"GER", LanguageGerman, "Deutschland", "Deutschland"},
    {"ESP", LanguageSpanish, "España", "España"},
    {"KOR", LanguageEnglish, "South Korea", "South Korea"},
    {"COD", LanguageEnglish, "DR Congo", "DR Congo"},
    {"COD", LanguageGerman, "DR Kongo", "DR Kongo"},
    {"USA", LanguageEnglish, "USA", "USA"},
    {"USA", LanguageFrench, "États-Unis", "États-Unis"},
    {"BIH", LanguageEnglish, "Bosnia and Herzegovina", "Bosnia-Herz."},
    {"BIH", LanguageGerman, "Bosnien und Herzegowina", "Bosnien-Herz."},
    {"CZE", LanguageSpanish, "República Checa", "Rep. Checa"},
    {"KSA", LanguageFrench, "Arabie saoudite", "Arabie saoud."},
    {"SCG", LanguageFrench, "Serbie-et-Monténégro", "Serbie-Mont."},
    {"SRB", LanguageFrench, "Serbie", "Serbie"},
    {"SCO", LanguageSpanish, "Escocia", "Escocia"},
    {"ENG", LanguageGerman, "England", "England"},
    {"TRI", LanguageFrench, "Trinité-et-Tobago", "Trinité-Tob."},
    // Any other index reads English.
    {"GER", 7, "Germany", "Germany"},
    {"GER", -1, "Germany", "Germany"},
};

TEST(TeamNamesTest, NamesThatMustComeOutRight)
{
    for (const ExpectedName& expected : ExpectedNames) {
        SCOPED_TRACE(std::string(expected.code) + " in language " + std::to_string(expected.language));
        EXPECT_EQ(teamName(expected.code, expected.language, "fallback"), expected.full);
        EXPECT_EQ(boardTeamName(expected.code, expected.language, "fallback"), expected.board);
    }
}

TEST(TeamNamesTest, UnknownCodeReadsTheTournamentsNameOrTheCode)
{
    EXPECT_FALSE(knowsTeam("ATL"));
    EXPECT_EQ(teamName("ATL", LanguageFrench, "Atlantis"), "Atlantis");
    EXPECT_EQ(boardTeamName("ATL", LanguageGerman, "Atlantis"), "Atlantis");
    EXPECT_EQ(teamName("ATL", LanguageSpanish), "ATL");
    EXPECT_EQ(boardTeamName("ATL", LanguageEnglish, ""), "ATL");
}

// Region names as a machine whose ICU data has only some languages gives them.
struct PartialSource {
    std::map<std::string, std::map<int, std::string>> names;
    std::string operator()(std::string_view region, int language) const
    {
        const auto found = names.find(std::string(region));
        if (found == names.end())
            return {};
        const auto name = found->second.find(language);
        return name == found->second.end() ? std::string() : name->second;
    }
};

struct FallbackCase {
    const char* what;
    const char* code;
    int language;
    const char* full;  // empty: no name at all
    const char* board;
};

const FallbackCase FallbackCases[] = {
    {"a language without data reads English", "GER", LanguageFrench, "Germany", "Germany"},
    {"the language with data keeps it", "GER", LanguageGerman, "Deutschland", "Deutschland"},
    {"English's board form comes with its name", "BIH", LanguageFrench, "Bosnia and Herzegovina", "Bosnia-Herz."},
    {"the project's own names need no data", "WAL", LanguageFrench, "Pays de Galles", "Pays de Galles"},
    {"an own name over no data", "CIV", LanguageGerman, "Elfenbeinküste", "Elfenbeinküste"},
    {"no name in any language", "BEL", LanguageSpanish, "", ""},
};

TEST(TeamNamesTest, MissingLocaleDataFallsBackToEnglish)
{
    PartialSource source;
    source.names["DE"] = {{LanguageEnglish, "Germany"}, {LanguageGerman, "Deutschland"}};
    source.names["BA"] = {{LanguageEnglish, "Bosnia & Herzegovina"}};
    const TeamNameCatalog catalog = buildTeamNameCatalog(source);
    for (const FallbackCase& expected : FallbackCases) {
        SCOPED_TRACE(expected.what);
        const TeamNameForms& forms = catalog.at(expected.code);
        EXPECT_EQ(forms.full[static_cast<size_t>(expected.language)], expected.full);
        EXPECT_EQ(forms.board[static_cast<size_t>(expected.language)], expected.board);
    }
}

}  // namespace
}  // namespace tiplark
