#include "storage/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tiplark {
namespace {

using namespace std::string_literals;  // for texts holding NUL bytes

TEST(SettingsFileReading, EachLineStandsAlone)
{
    struct Case {
        std::string text;
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"[S]\na=1\nb\0=2\nc=3\n"s, "S", "a", "1"},
        {"[S]\na=1\nb\0=2\nc=3\n"s, "S", "b", std::nullopt},
        {"[S]\na=1\nb\0=2\nc=3\n"s, "S", "c", "3"},
        {"\0\n[S]\nc=3\n"s, "S", "c", "3"},
        {"[S\0]\na=1\n"s, "S", "a", std::nullopt},
        {"[S]\r\na=1\r\nb=2\r\n", "S", "b", "2"},
        {"[S]\ra=1\rb=2", "S", "b", "2"},
        {"  [ Mixed Case ]  ; note\n\t Key\t=  two words \n", "mixed case", "KEY", "two words"},
        {"[S]\na=first\na=second\n", "S", "a", "first"},
        {"[S]\na=1\n[T]\n[S]\nb=2\n", "S", "b", "2"},
        {"[S]\n=orphan\n", "S", "", std::nullopt},
        {"[S\na=1\n", "S", "a", std::nullopt},
        {"[S]\n; a=1\n# b=2\n", "S", "a", std::nullopt},
        {"\xEF\xBB\xBF[S]\na=1\n", "S", "a", "1"},
        {"top=1\n[S]\n", "", "top", "1"},
        // Names beyond ASCII sort among plain ones; each is still found.
        {"[S]\n\xC3\x89t\xC3\xA9=1\nZ=2\nb=3\n\xFF=4\n", "s", "\xC3\x89t\xC3\xA9", "1"},
        {"[S]\n\xC3\x89t\xC3\xA9=1\nZ=2\nb=3\n\xFF=4\n", "S", "z", "2"},
        {"[S]\n\xC3\x89t\xC3\xA9=1\nZ=2\nb=3\n\xFF=4\n", "S", "\xFF", "4"},
        {"[\xC3\x9C]\nk=1\n[u]\nk=2\n", "\xC3\x9C", "K", "1"},
    };
    for (const Case& c : cases) {
        const SettingsFile file(c.text);
        EXPECT_EQ(file.value(c.section, c.key), c.value) << c.text << " " << c.section << "/" << c.key;
    }
}

// Two sections the program owns, as a save would write them.
const std::vector<SectionValues> Owned = {
    {"ONE", {{"a", "1"}, {"b", "2"}}},
    {"TWO", {{"c", "3"}}},
};
const std::string OwnedText = "[ONE]\na=1\nb=2\n\n\n[TWO]\nc=3\n";

TEST(SettingsFileRewriting, KeepsOtherLinesAndPlacesItsOwnSections)
{
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"empty file", "", OwnedText},
        {"own file unchanged", OwnedText, OwnedText},
        {"other sections byte for byte",
         "; top\r\n[Window]\r\nno equals sign\r\n  spaced = value  \r\n\r\n[Window]\r\nrepeated=yes\r\n",
         "; top\r\n[Window]\r\nno equals sign\r\n  spaced = value  \r\n\r\n[Window]\r\nrepeated=yes\r\n\n\n" +
             OwnedText},
        {"own section in place, stale keys go, missing ones join in order",
         "[Before]\nx=1\n[one]\nb=old\nstale=gone\n\n[After]\ny=2\n",
         "[Before]\nx=1\n[ONE]\na=1\nb=2\n\n[After]\ny=2\n\n\n[TWO]\nc=3\n"},
        {"comments stay above their key and at the end",
         "[ONE]\n; mine\na=9\n\n# between\nb=9\n; last\n[TWO]\nc=9\n",
         "[ONE]\n; mine\na=1\n\n# between\nb=2\n; last\n[TWO]\nc=3\n"},
        {"NUL line kept outside, dropped inside", "[Notes]\nbad\0line\n[ONE]\na=\0\nb=5\n"s,
         "[Notes]\nbad\0line\n[ONE]\na=1\nb=2\n\n\n[TWO]\nc=3\n"s},
        {"repeated own section goes", "[ONE]\na=1\n[X]\nq\n[ONE]\nb=2\n",
         "[ONE]\na=1\nb=2\n[X]\nq\n\n\n[TWO]\nc=3\n"},
        {"sections out of order are put in order", "[TWO]\nc=0\n[ONE]\na=0\n",
         "[ONE]\na=1\nb=2\n\n\n[TWO]\nc=3\n"},
        {"a missing section goes before the next one found", "[Top]\n[TWO]\nc=0\n",
         "[Top]\n\n\n[ONE]\na=1\nb=2\n\n\n[TWO]\nc=3\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[ONE]\na=1\nb=2\n", "\xEF\xBB\xBF[ONE]\na=1\nb=2\n\n\n[TWO]\nc=3\n"},
        {"last line without a break", "[Notes]\nend", "[Notes]\nend\n\n\n" + OwnedText},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsFile(c.before).rewritten(Owned), c.after) << c.what;
}

TEST(SettingsFileRewriting, TellsWhenSomethingWouldBeLost)
{
    struct Case {
        const char* what;
        std::string text;
        bool loses;
    };
    const Case cases[] = {
        {"its own text", OwnedText, false},
        {"keys missing", "[ONE]\na=1\n", false},
        {"comments, blank lines, other case", "; x\n[one]\n# y\n\nA = 1\n", false},
        {"other sections hold anything", "[Other]\nno equals\nk=1\nk=2\n", false},
        {"a value that differs", "[ONE]\na=7\n", true},
        {"an unknown key", "[TWO]\nc=3\nd=4\n", true},
        {"a line without a key", "[TWO]\nc=3\ngarbage\n", true},
        {"a repeated key", "[ONE]\na=1\na=1\n", true},
        {"a repeated section's key", "[ONE]\na=1\n[ONE]\na=5\n", true},
        {"a NUL byte anywhere", "[Other]\n\0\n"s, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsFile(c.text).losesData(Owned), c.loses) << c.what;
}

}  // namespace
}  // namespace tiplark
