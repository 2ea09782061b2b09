#include "RoundTrip.h"
#include "platform/JpegImage.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tiplark {
namespace {

using testing::readBytes;
using testing::roundTripDifference;
using testing::TemporaryFolder;
using testing::testData;

bool isPicture(const std::filesystem::path& path)
{
    return path.extension() == ".jpg";
}

// Every seed of the predictions-file fuzzer (empty, complete and damaged
// files) must load, save and load back into the same board.
TEST(FuzzRegressions, EverySeedRoundTrips)
{
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TIPLARK_FUZZ_CORPUS)) {
        EXPECT_EQ(roundTripDifference(readBytes(entry.path().string())), "") << entry.path();
        ++inputs;
    }
    EXPECT_GE(inputs, 9);
}

// The fuzzer saves and loads in memory; that is worth only as much as its
// bytes and boards are those of the save and load on disk. Each seed is
// loaded both ways, and saved both ways over a file holding it.
TEST(FuzzRegressions, MemoryAndDiskAgree)
{
    TemporaryFolder folder;
    const std::string path = folder.file("Tiplark.ini");
    for (const auto& entry : std::filesystem::directory_iterator(TIPLARK_FUZZ_CORPUS)) {
        const std::string bytes = readBytes(entry.path().string());
        testing::writeBytes(path, bytes);
        testing::BoardHarness fromDisk;
        ReadAll(fromDisk.main, path, [] {});
        testing::BoardHarness fromMemory;
        ReadAllText(fromMemory.main, bytes, [] {});
        EXPECT_EQ(testing::boardDifference(fromDisk.main, fromMemory.main), "") << entry.path();

        const std::string inMemory = predictionsFileText(fromMemory.main, bytes);
        ASSERT_TRUE(SaveAll(fromDisk.main, path)) << entry.path();
        EXPECT_EQ(readBytes(path), inMemory) << entry.path();
    }
}

// The fuzzer runs every input through the same two boards, put back to
// their built state in between: each input, following another, must load
// into the board a fresh one would be.
TEST(FuzzRegressions, PutBackBoardsLoadLikeFreshOnes)
{
    std::vector<std::string> inputs;
    for (const char* folder : {TIPLARK_FUZZ_CORPUS, TIPLARK_TEST_DATA "/fuzz-regressions"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!isPicture(entry.path()))
                inputs.push_back(readBytes(entry.path().string()));
        }
    }
    testing::RepeatedRoundTrip repeated;
    for (int pass = 0; pass < 2; ++pass) {
        for (const std::string& bytes : inputs) {
            EXPECT_EQ(repeated.difference(bytes), "") << bytes.substr(0, 80);
            testing::BoardHarness fresh;
            testing::startUp(fresh.main, bytes);
            EXPECT_EQ(testing::boardDifference(fresh.main, repeated.loaded()), "") << bytes.substr(0, 80);
        }
        std::reverse(inputs.begin(), inputs.end());
    }
}

// Every input a fuzzer once failed on: pictures must decode to nothing or to
// a picture within the size limit, predictions files must round-trip. The
// folder is part of the tree; without it these checks would pass unseen.
TEST(FuzzRegressions, EveryKeptInputStaysMended)
{
    const std::filesystem::path folder = testData("fuzz-regressions");
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string bytes = readBytes(entry.path().string());
        if (isPicture(entry.path())) {
            const JpegImage image = JpegImage::decode(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
            EXPECT_LE(image.width, JpegImage::MaximumSide) << entry.path();
            EXPECT_LE(image.height, JpegImage::MaximumSide) << entry.path();
            ++pictures;
        } else {
            EXPECT_EQ(roundTripDifference(bytes), "") << entry.path();
        }
    }
    EXPECT_GE(pictures, 2);
}

// The check itself must see a change: a board whose save loses a score
// differs from the board it came from.
TEST(FuzzRegressions, BoardDifferenceSeesAChangedScore)
{
    testing::BoardHarness first;
    testing::BoardHarness second;
    EXPECT_EQ(testing::boardDifference(first.main, second.main), "");
    second.set("GA11", "3");
    EXPECT_NE(testing::boardDifference(first.main, second.main), "");
}

}  // namespace
}  // namespace tiplark
