#include "platform/JpegImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tiplark {
namespace {

const std::string RedBlue = std::string(TIPLARK_TEST_DATA) + "/red-blue.jpg";

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(JpegImageTest, DecodesSizeAndColours)
{
    const JpegImage image = JpegImage::load(RedBlue);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.height, 8);
    ASSERT_EQ(image.rgb.size(), 16u * 8u * 3u);
    const size_t row = 4 * 16 * 3;
    const std::uint8_t* left = &image.rgb[row + 1 * 3];
    const std::uint8_t* right = &image.rgb[row + 14 * 3];
    EXPECT_GT(left[0], 200);
    EXPECT_LT(left[2], 60);
    EXPECT_LT(right[0], 60);
    EXPECT_GT(right[2], 200);
}

TEST(JpegImageTest, MissingFileGivesEmptyImage)
{
    EXPECT_TRUE(JpegImage::load(std::string(TIPLARK_TEST_DATA) + "/no-such-picture.jpg").isEmpty());
}

TEST(JpegImageTest, DamagedDataGivesEmptyImage)
{
    const std::vector<std::uint8_t> good = fileBytes(RedBlue);
    ASSERT_GT(good.size(), 200u);

    const std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    EXPECT_TRUE(JpegImage::decode(truncated).isEmpty());

    std::vector<std::uint8_t> headerOnly(good.begin(), good.begin() + 4);
    EXPECT_TRUE(JpegImage::decode(headerOnly).isEmpty());

    const std::vector<std::uint8_t> notJpeg = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};
    EXPECT_TRUE(JpegImage::decode(notJpeg).isEmpty());
    EXPECT_TRUE(JpegImage::decode({}).isEmpty());

    // The decoder still works after having bailed out.
    EXPECT_FALSE(JpegImage::decode(good).isEmpty());
}

}  // namespace
}  // namespace tiplark
