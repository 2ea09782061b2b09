#include "venues/VenueBrowser.h"
#include "venues/VenueTable.h"

#include "RecordingServices.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace tiplark {
namespace {

class VenuesTest : public ::testing::Test {
protected:
    void useLanguage(int index)
    {
        h.main.preferences().languageIndex = index;
        h.main.ApplyLanguage();
    }

    testing::BoardHarness h;
};

TEST_F(VenuesTest, TableRunsFrom100To111WithDistinctPicturesAndTwoHttpsAddresses)
{
    std::set<std::string> pictures;
    int expected = FirstVenue;
    for (const VenueInfo& row : venues()) {
        EXPECT_EQ(row.number, expected++);
        pictures.insert(row.picture);
        EXPECT_EQ(std::string(row.cityAddress).rfind("https://", 0), 0u) << row.menuItem;
        EXPECT_EQ(std::string(row.stadiumAddress).rfind("https://", 0), 0u) << row.menuItem;
        EXPECT_NE(std::string(row.cityAddress), row.stadiumAddress) << row.menuItem;
    }
    EXPECT_EQ(pictures.size(), 12u);
    EXPECT_THROW(venue(99), std::out_of_range);
    EXPECT_THROW(venue(112), std::out_of_range);
}

TEST_F(VenuesTest, MunichShowsItsStadiumCapacityAndPicture)
{
    const VenueBrowser browser(h.main.language(), 109);
    const VenueView view = browser.view();
    EXPECT_EQ(view.stadiumName, "Munich Stadion");
    EXPECT_EQ(view.capacity, "66016");
    EXPECT_EQ(view.picture, "MunichImage");
    EXPECT_EQ(view.cityAddress, venue(109).cityAddress);
    EXPECT_EQ(view.stadiumAddress, venue(109).stadiumAddress);
    EXPECT_EQ(browser.caption(), "Tiplark - Stadiums");
}

TEST_F(VenuesTest, RightArrowVisitsAllTwelveInOrderAndComesBack)
{
    const char* const order[] = {"Berlin Olympiastadion", "Cologne Stadium", "Dortmund Westfalenstadion",
                                 "Frankfurt Waldstadion", "Gelsenkirchen AufSchalke Arena", "Hamburg Stadium",
                                 "Hanover Stadium", "Kaiserslautern Fritz-Walter-Stadion", "Leipzig Zentralstadion",
                                 "Munich Stadion", "Nuremberg Frankenstadion", "Stuttgart Gottlieb-Daimler-Stadion"};
    VenueBrowser browser(h.main.language(), 100);
    for (const char* name : order) {
        EXPECT_EQ(browser.view().stadiumName, name);
        browser.RightButtonClick();
    }
    EXPECT_EQ(browser.currentVenue(), 100);
}

TEST_F(VenuesTest, ArrowsWrapAtBothEnds)
{
    VenueBrowser browser(h.main.language(), 111);
    browser.RightButtonClick();
    EXPECT_EQ(browser.currentVenue(), 100);
    EXPECT_EQ(browser.view().picture, "BerlinImage");
    browser.LeftButtonClick();
    EXPECT_EQ(browser.currentVenue(), 111);
    EXPECT_EQ(browser.view().stadiumName, "Stuttgart Gottlieb-Daimler-Stadion");
    for (int step = 0; step < 12; ++step)
        browser.LeftButtonClick();
    EXPECT_EQ(browser.currentVenue(), 111);
}

TEST_F(VenuesTest, NamesAndCaptionFollowTheLanguage)
{
    useLanguage(1);
    VenueBrowser spanish(h.main.language(), 101);
    EXPECT_EQ(spanish.view().stadiumName, "Colonia Stadium");
    EXPECT_EQ(spanish.caption(), "Tiplark - Estadios");
    spanish.LeftButtonClick();
    EXPECT_EQ(spanish.view().stadiumName, "Berlin Olympiastadion");

    useLanguage(2);
    const VenueBrowser french(h.main.language(), 103);
    EXPECT_EQ(french.view().stadiumName, "Francfort Waldstadion");
    EXPECT_EQ(french.caption(), "Tiplark - Stades");
}

}  // namespace
}  // namespace tiplark
