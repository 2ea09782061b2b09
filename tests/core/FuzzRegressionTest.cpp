#include "RoundTrip.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tiplark {
namespace {

using testing::readBytes;
using testing::roundTripDifference;
using testing::TemporaryFolder;
using testing::testData;

// Every input the fuzzer once failed on must now load, save and load back
// into the same board.
TEST(FuzzRegressions, EveryKeptInputRoundTrips)
{
    TemporaryFolder folder;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(testData("fuzz-regressions"))) {
        EXPECT_EQ(roundTripDifference(readBytes(entry.path().string()), folder.file("Tiplark.ini")), "")
            << entry.path().filename();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
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
