#include "storage/SettingsFile.h"

#include "TemporaryFolder.h"
#include "storage/PoolSettings.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
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
        // A broken header's lines are read into no section, also not the one before.
        {"[S]\na=1\n[T\nb=2\n", "S", "b", std::nullopt},
        {"[S]\na=1\n[T\nb=2\n", "T", "b", std::nullopt},
        {"[S]\na=1\n[T\0]\nb=2\n"s, "S", "b", std::nullopt},
        {"[S]\na=1\n[T\nb=2\n[U]\nc=3\n", "U", "c", "3"},
        {"[S]\na=1\n[T\nb=2\n[S]\nc=3\n", "S", "c", "3"},
        // Quoted values keep their blanks and escapes.
        {"[S]\na=\"  two  \"\n", "S", "a", "  two  "},
        {"[S]\na = \"x\\ny\\\\z\" \n", "S", "a", "x\ny\\z"},
        {"[S]\na=\"half\n", "S", "a", "\"half"},
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
        {"empty file: CR LF, as a new file", "", testing::withCrLf(OwnedText)},
        {"own file unchanged", OwnedText, OwnedText},
        {"other sections byte for byte, own lines with the file's line break",
         "; top\r\n[Window]\r\nno equals sign\r\n  spaced = value  \r\n\r\n[Window]\r\nrepeated=yes\r\n",
         "; top\r\n[Window]\r\nno equals sign\r\n  spaced = value  \r\n\r\n[Window]\r\nrepeated=yes\r\n\r\n\r\n"
         "[ONE]\r\na=1\r\nb=2\r\n\r\n\r\n[TWO]\r\nc=3\r\n"},
        {"CR LF file rewritten in place", "[ONE]\r\n; kept\r\na=0\r\n[TWO]\r\nc=0\r\n",
         "[ONE]\r\n; kept\r\na=1\r\nb=2\r\n[TWO]\r\nc=3\r\n"},
        {"lone CR file", "[ONE]\ra=0", "[ONE]\ra=1\rb=2\r\r\r[TWO]\rc=3\r"},
        {"the first line break counts", "[ONE]\r\na=0\nb=0\n", "[ONE]\r\na=1\r\nb=2\r\n\r\n\r\n[TWO]\r\nc=3\r\n"},
        {"a broken header's lines go", "[ONE]\na=1\n[TWO\nc=9\n[Other]\nk=1\n",
         "[ONE]\na=1\nb=2\n[Other]\nk=1\n\n\n[TWO]\nc=3\n"},
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

// Whether a rewrite drops a line (dropsLines), and whether it also replaces
// a value other than the one given (losesData); either calls for a backup.
TEST(SettingsFileRewriting, TellsWhenSomethingWouldBeLost)
{
    struct Case {
        const char* what;
        std::string text;
        bool drops;
        bool loses;
    };
    const Case cases[] = {
        {"its own text", OwnedText, false, false},
        {"keys missing", "[ONE]\na=1\n", false, false},
        {"comments, blank lines, other case", "; x\n[one]\n# y\n\nA = 1\n", false, false},
        {"other sections hold anything", "[Other]\nno equals\nk=1\nk=2\n", false, false},
        {"a NUL line outside, which stays", "[Other]\n\0\n[ONE]\na=1\n"s, false, false},
        {"a quoted value equal to the one given", "[ONE]\na=\"1\"\n", false, false},
        {"a value that differs", "[ONE]\na=7\n", false, true},
        {"an unknown key", "[TWO]\nc=3\nd=4\n", true, true},
        {"a line without a key", "[TWO]\nc=3\ngarbage\n", true, true},
        {"a repeated key", "[ONE]\na=1\na=1\n", true, true},
        {"a repeated section's key", "[ONE]\na=1\n[ONE]\na=5\n", true, true},
        {"a NUL line inside", "[ONE]\na=1\n\0\n"s, true, true},
        {"a comment in a repeated section", "[ONE]\na=1\n[ONE]\n; mine\n", true, true},
        {"a comment in a misplaced section", "[TWO]\n; mine\nc=3\n[ONE]\na=1\n", true, true},
        {"a comment after a header", "[ONE] ; my comment\na=1\n", true, true},
        {"a key after a header", "[ONE]b=5 keep me\na=1\n", true, true},
        {"a broken header", "[Other\nk=1\n", true, true},
        {"a broken header's keys", "[ONE]\na=1\n[TWO\nc=3\n", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsFile(c.text).dropsLines(Owned), c.drops) << c.what;
        EXPECT_EQ(SettingsFile(c.text).losesData(Owned), c.loses) << c.what;
    }
}

// A save asks only when another program changed what the save rewrites or
// drops: the digest of those lines follows them and nothing else.
TEST(SettingsFileRewriting, DigestCoversWhatTheRewriteReplaces)
{
    const std::string base = "; top\n[Other]\nk=1\n[ONE]\na=1\n; note\n[TWO]\nc=3\n";
    struct Case {
        const char* what;
        std::string text;
        bool same;
    };
    const Case cases[] = {
        {"other line breaks", "; top\r\n[Other]\r\nk=1\r\n[ONE]\r\na=1\r\n; note\r\n[TWO]\r\nc=3", true},
        {"another section changed", "; top\n[Other]\nk=2\nnew=line\n[ONE]\na=1\n; note\n[TWO]\nc=3\n", true},
        {"a section added", base + "[POOL]\nFile1=/x.ini\n", true},
        {"a value changed", "; top\n[Other]\nk=1\n[ONE]\na=2\n; note\n[TWO]\nc=3\n", false},
        {"a comment changed", "; top\n[Other]\nk=1\n[ONE]\na=1\n; other\n[TWO]\nc=3\n", false},
        {"a broken header added", base + "[ONE\n", false},
        {"a section removed", "; top\n[Other]\nk=1\n[ONE]\na=1\n; note\n", false},
    };
    const std::uint64_t digest = SettingsFile(base).rewrittenPartDigest(Owned);
    for (const Case& c : cases)
        EXPECT_EQ(SettingsFile(c.text).rewrittenPartDigest(Owned) == digest, c.same) << c.what;
}

// What reading trims or what would end the line is quoted; everything else
// is written as it stands, as the program always wrote it.
TEST(SettingsFileValues, EveryValueReadsBackAsWritten)
{
    struct Case {
        std::string value;
        std::string written;
    };
    const Case cases[] = {
        {"", ""},
        {"2-1", "2-1"},
        {"-0.541666666666667", "-0.541666666666667"},
        {"/home/ann/pool/bob's \"best\".ini", "/home/ann/pool/bob's \"best\".ini"},
        {"back\\slash", "back\\slash"},
        {"\"", "\""},
        {"  spaced name.ini  ", "\"  spaced name.ini  \""},
        {"\ttab", "\"\ttab\""},
        {"/tmp/a\n[PREFERENCES]\nLanguage=2", "\"/tmp/a\\n[PREFERENCES]\\nLanguage=2\""},
        {"a\r\nb\\n", "\"a\\r\\nb\\\\n\""},
        {"nul\0byte"s, "\"nul\\0byte\""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"\"\"", "\"\"\"\""},
    };
    for (const Case& c : cases) {
        const std::vector<SectionValues> sections = {{"S", {{"v", c.value}, {"after", "1"}}}};
        const std::string text = SettingsFile().rewritten(sections);
        // A new file ends its lines with CR LF.
        EXPECT_EQ(text, "[S]\r\nv=" + c.written + "\r\nafter=1\r\n") << c.value;
        const SettingsFile file(text);
        EXPECT_EQ(file.value("S", "v"), c.value) << c.value;
        EXPECT_EQ(file.value("S", "after"), "1") << c.value;
        EXPECT_FALSE(file.value("PREFERENCES", "Language").has_value()) << c.value;
        EXPECT_FALSE(file.losesData(sections)) << c.value;
    }
}

// A file name is a value like any other: one holding a line break writes no
// line of its own, and blanks at its ends survive.
TEST(SettingsFileValues, PoolFileNamesStayOneValueEach)
{
    testing::TemporaryFolder folder;
    const std::string settings = folder.file("Tiplark.ini");
    testing::writeBytes(settings, "[PREFERENCES]\nLanguage=1\nFirstTime=0\n");
    const PoolChoice choice{{"/tmp/a\n[PREFERENCES]\nLanguage=2", "  spaced name.ini  ", "/tmp/b\r\nFirstTime=1"}, false};
    ASSERT_TRUE(writePoolChoice(settings, choice));
    EXPECT_EQ(readPoolChoice(settings), choice);
    const SettingsFile written(testing::readBytes(settings));
    EXPECT_EQ(written.value("PREFERENCES", "Language"), "1");
    EXPECT_EQ(written.value("PREFERENCES", "FirstTime"), "0");
}

TEST(SettingsFileLoading, RefusesFilesAboveTheLimit)
{
    testing::TemporaryFolder folder;
    const std::string path = folder.file("big.ini");
    for (const size_t size : {SettingsFile::MaximumSize, SettingsFile::MaximumSize + 1}) {
        testing::writeBytes(path, "[S]\na=1\n" + std::string(size - 8, '\n'));
        SettingsFile file;
        const bool fits = size <= SettingsFile::MaximumSize;
        EXPECT_EQ(file.load(path), fits ? SettingsFileState::Loaded : SettingsFileState::TooLarge) << size;
        EXPECT_EQ(file.value("S", "a").has_value(), fits) << size;
        EXPECT_EQ(file.bytes().size(), fits ? size : 0u) << size;
    }
}

// Peak resident memory of this process in kilobytes.
long peakKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    long value = 0;
    while (status >> field) {
        if (field == "VmHWM:" && status >> value)
            return value;
    }
    return -1;
}

// A file at the size limit, in floods of the lines that cost most, takes a
// bounded number of bytes of memory per byte read (a line index of 88 bytes
// a line once took 8.7 GB for 100 MB of blank lines). Each flood is parsed in
// a child process, whose peak starts afresh at its present size.
TEST(SettingsFileLoading, MemoryStaysInProportionToTheFile)
{
    constexpr long BytesPerFileByte = 16;
    const std::pair<const char*, std::string> floods[] = {
        {"blank lines", "\n"}, {"text", "x\n"}, {"comments", ";\n"}, {"keys", "a=1\n"}, {"headers", "[s]\n"},
    };
    for (const auto& [what, line] : floods) {
        std::string bytes;
        bytes.reserve(SettingsFile::MaximumSize);
        while (bytes.size() + line.size() <= SettingsFile::MaximumSize)
            bytes += line;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const long before = peakKilobytes();
            const SettingsFile file(std::move(bytes));
            const long grown = (peakKilobytes() - before) * 1024;
            ::_exit(before > 0 && grown <= BytesPerFileByte * static_cast<long>(SettingsFile::MaximumSize) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << what;
    }
}

}  // namespace
}  // namespace tiplark
