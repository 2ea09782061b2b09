#include "venues/WebLinkLauncher.h"
#include "venues/WebLinkTable.h"

#include "RecordingServices.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
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

TEST_F(WebLinksTest, OrganizerItemsPickTheAddressOfTheLanguage)
{
    for (const OrganizerLink& link : organizerLinks()) {
        for (int language = 0; language < LanguageCount; ++language)
            EXPECT_EQ(webLinkAddress(link.tag, language), link.addresses[static_cast<size_t>(language)]);
        // An unknown language index falls back to English.
        EXPECT_EQ(webLinkAddress(link.tag, 7), link.addresses[0]);
        EXPECT_EQ(webLinkAddress(link.tag, -1), link.addresses[0]);
        EXPECT_EQ(std::set<std::string>(link.addresses.begin(), link.addresses.end()).size(), static_cast<size_t>(LanguageCount)) << link.menuItem;
    }
    EXPECT_EQ(webLinkAddress(50, 2), "https://www.fifa.com/fr");
    EXPECT_EQ(webLinkAddress(50, 1), "https://www.fifa.com/es");
    EXPECT_EQ(webLinkAddress(50, 3), "https://www.fifa.com/de");
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
