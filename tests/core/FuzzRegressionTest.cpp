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

// Every seed of the fuzzer (empty, complete and damaged files) and every
// input it once failed on must load, save and load back into the same board.
TEST(FuzzRegressions, EverySeedAndKeptInputRoundTrips)
{
    TemporaryFolder folder;
    int inputs = 0;
    for (const std::string& corpus : {std::string(TIPLARK_FUZZ_CORPUS), testData("fuzz-regressions")}) {
        if (!std::filesystem::exists(corpus))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
            EXPECT_EQ(roundTripDifference(readBytes(entry.path().string()), folder.file("Tiplark.ini")), "")
                << entry.path();
            ++inputs;
        }
    }
    EXPECT_GE(inputs, 9);
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
