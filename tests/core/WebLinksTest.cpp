#include "tournament/TournamentData.h"
#include "venues/VenueTable.h"
#include "venues/WebLinkLauncher.h"
#include "venues/WebLinkTable.h"

#include "RecordingServices.h"

#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tiplark {
namespace {

class StubBrowser : public BrowserLauncher {
public:
    bool open(const std::string& address) override
    {
        opened.push_back(address);
        if (throws)
            throw std::runtime_error("no session bus");
        return starts;
    }
    std::vector<std::string> opened;
    bool starts = true;
    bool throws = false;
};

class WebLinksTest : public ::testing::Test {
protected:
    testing::RecordingMessageService messages;
    testing::RecordingCursorService cursor;
    StubBrowser browser;
    WebLinkLauncher links{browser, messages, cursor};
};

// An address the browser can open as it stands: https, a host name of
// letters, digits, dots and hyphens with at least one dot, and a path, query
// of printable ASCII without blanks or quotes.
bool isHttpsAddress(const std::string& address)
{
    static const std::regex form(R"(https://([a-z0-9-]+\.)+[a-z]{2,}(/[A-Za-z0-9._~%/?=&+-]*)?)");
    return std::regex_match(address, form);
}

TEST(WebAddresses, EveryAddressOfEveryItemAndVenueIsAWellFormedHttpsAddress)
{
    for (int tag = 0; tag <= 120; ++tag) {
        for (int language = -1; language <= LanguageCount; ++language) {
            const std::string address = webLinkAddress(tag, language);
            EXPECT_TRUE(address == NoAddress || isHttpsAddress(address)) << tag << ' ' << language << ": " << address;
        }
    }
    for (const VenueInfo& venue : venues()) {
        EXPECT_TRUE(isHttpsAddress(venue.cityAddress)) << venue.cityAddress;
        EXPECT_TRUE(isHttpsAddress(venue.stadiumAddress)) << venue.stadiumAddress;
    }
    EXPECT_FALSE(isHttpsAddress("http://www.dfb.de/"));
    EXPECT_FALSE(isHttpsAddress("https://www.dfb.de/a b"));
    EXPECT_FALSE(isHttpsAddress("https://localhost/"));
}

TEST(WebAddresses, OrganizerItemsHaveAPageForEachLanguageAndEnglishForAnyOther)
{
    for (const OrganizerLink& link : organizerLinks()) {
        std::set<std::string> pages;
        for (int language = 0; language < LanguageCount; ++language)
            pages.insert(webLinkAddress(link.tag, language));
        EXPECT_EQ(pages.size(), static_cast<size_t>(LanguageCount)) << link.menuItem;
        EXPECT_EQ(webLinkAddress(link.tag, 7), webLinkAddress(link.tag, LanguageEnglish));
        EXPECT_EQ(webLinkAddress(link.tag, -1), webLinkAddress(link.tag, LanguageEnglish));
    }
    EXPECT_EQ(webLinkAddress(50, LanguageFrench), "https://www.fifa.com/fr");
    EXPECT_EQ(webLinkAddress(50, LanguageGerman), "https://www.fifa.com/de");
}

// Each federation item belongs to its team: its menu item and flag start
// like the team's English name, so that a row shifted in the table shows.
TEST(WebAddresses, FederationItemsMatchTheirTeam)
{
    const auto start = [](std::string_view text) {
        std::string letters;
        for (const char c : text.substr(0, 3))
            letters += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return letters;
    };
    for (const FederationLink& link : federationLinks()) {
        const std::string team = start(englishTeamName(link.tag));
        EXPECT_EQ(start(link.menuItem), team) << link.menuItem;
        EXPECT_EQ(start(std::string_view(link.picture).substr(std::string_view("flag-").size())), team) << link.picture;
    }
}

TEST_F(WebLinksTest, EveryTeamButAngolaHasItsOwnFederationAddress)
{
    std::set<std::string> addresses;
    int tag = 1;
    for (const FederationLink& link : federationLinks()) {
        EXPECT_EQ(link.tag, tag++);
        if (link.tag == 1)
            continue;
        const std::string address = webLinkAddress(link.tag, 0);
        EXPECT_EQ(address.rfind("https://", 0), 0u) << link.menuItem;
        EXPECT_EQ(address, webLinkAddress(link.tag, 2)) << "federation pages do not depend on the language";
        addresses.insert(address);
    }
    EXPECT_EQ(addresses.size(), 31u);
    EXPECT_EQ(federationLinks()[0].menuItem, std::string("ANGOLA1"));
    EXPECT_EQ(webLinkAddress(1, 0), NoAddress);
    EXPECT_EQ(webLinkAddress(0, 0), NoAddress);
    EXPECT_EQ(webLinkAddress(33, 0), NoAddress);
    EXPECT_EQ(webLinkAddress(54, 1), NoAddress);
}

TEST_F(WebLinksTest, CountryWebLinkOpensUnderTheHourglass)
{
    links.CountryWebLink(11, 0);
    EXPECT_EQ(browser.opened, std::vector<std::string>{"https://www.dfb.de/"});
    EXPECT_EQ(cursor.changes, (std::vector<bool>{true, false}));
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(WebLinksTest, AngolaAndUnknownTagsOpenNothing)
{
    links.CountryWebLink(1, 0);
    links.CountryWebLink(99, 2);
    EXPECT_TRUE(browser.opened.empty());
    EXPECT_TRUE(cursor.changes.empty());
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(WebLinksTest, BrowserFailureIsReportedAndTheCursorRestored)
{
    browser.starts = false;
    links.CountryWebLink(51, 2);
    EXPECT_EQ(browser.opened, std::vector<std::string>{webLinkAddress(51, 2)});
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Sorry, but I can't start your default browser!"});
    EXPECT_EQ(cursor.changes, (std::vector<bool>{true, false}));
}

TEST_F(WebLinksTest, CursorIsRestoredWhenTheLaunchThrows)
{
    browser.throws = true;
    EXPECT_THROW(links.CountryWebLink(25, 1), std::runtime_error);
    EXPECT_EQ(cursor.changes, (std::vector<bool>{true, false}));
}

TEST_F(WebLinksTest, EmptyCaptionIsIgnored)
{
    links.openCaption("");
    EXPECT_TRUE(browser.opened.empty());
    links.openCaption("https://www.leipzig.de/");
    EXPECT_EQ(browser.opened, std::vector<std::string>{"https://www.leipzig.de/"});
    EXPECT_TRUE(cursor.changes.empty()) << "only the menu's links show the hourglass";
}

}  // namespace
}  // namespace tiplark
