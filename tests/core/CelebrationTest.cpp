#include "venues/Celebration.h"

#include <gtest/gtest.h>

namespace tiplark {
namespace {

TEST(CelebrationTest, FavouriteChampionIsCheered)
{
    const Celebration c = ChampionClick("Germany", "Germany", "CONGRATULATIONS");
    EXPECT_TRUE(c.cheering);
    EXPECT_EQ(c.caption, "Germany!!!!");
    EXPECT_EQ(c.winner, "GERMANY!!!");
    EXPECT_EQ(c.congratulations, "CONGRATULATIONS");
    EXPECT_STREQ(c.soundFile, "Cheers.wav");
}

TEST(CelebrationTest, AnyOtherChampionIsBooed)
{
    const Celebration c = ChampionClick("Brazil", "Germany", "CONGRATULATIONS");
    EXPECT_FALSE(c.cheering);
    EXPECT_EQ(c.winner, "BRAZIL!!!");
    EXPECT_STREQ(c.soundFile, "Boo.wav");
}

TEST(CelebrationTest, WithoutFavouriteEveryChampionIsBooed)
{
    EXPECT_FALSE(ChampionClick("Germany", "", "CONGRATULATIONS").cheering);
    EXPECT_FALSE(ChampionClick("", "", "CONGRATULATIONS").cheering);
}

TEST(CelebrationTest, ComparisonIsExactAndCaseSensitive)
{
    EXPECT_FALSE(ChampionClick("germany", "Germany", "").cheering);
    EXPECT_FALSE(ChampionClick("Alemania", "Germany", "").cheering);
    EXPECT_TRUE(ChampionClick("Alemania", "Alemania", "ENHORABUENA").cheering);
}

TEST(CelebrationTest, OnlyLettersAToZAreRaised)
{
    EXPECT_EQ(raiseLatinLetters("Côte D'Ivoire"), "CôTE D'IVOIRE");
    EXPECT_EQ(raiseLatinLetters("États-Unis"), "ÉTATS-UNIS");
    EXPECT_EQ(raiseLatinLetters("Rep. Tchèque"), "REP. TCHèQUE");
    EXPECT_EQ(raiseLatinLetters("Trinidad-Tob. 2"), "TRINIDAD-TOB. 2");
    EXPECT_EQ(ChampionClick("Brésil", "Brésil", "FÉLICITATIONS").winner, "BRéSIL!!!");
}

TEST(CelebrationTest, ChampionIsClickableOnlyOnceDecided)
{
    EXPECT_FALSE(isChampionDecided("xxxxxxxxxx"));
    EXPECT_TRUE(isChampionDecided("Italy"));
}

}  // namespace
}  // namespace tiplark
