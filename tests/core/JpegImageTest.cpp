#include "platform/JpegImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace tiplark {
namespace {

const std::string RedBlue = std::string(TIPLARK_TEST_DATA) + "/red-blue.jpg";

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A plain grey JPEG of the given size, encoded by libjpeg itself.
std::vector<std::uint8_t> greyJpeg(int width, int height)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<size_t>(width) * 3, 128);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

// The frame header (SOF0) of `jpeg` rewritten to claim another size.
std::vector<std::uint8_t> claimingSize(std::vector<std::uint8_t> jpeg, int width, int height)
{
    for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
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

// Real pictures up to the limit on either side decode; one pixel more is
// refused like a damaged picture.
TEST(JpegImageTest, SizeLimitOnEitherSide)
{
    const struct {
        int width;
        int height;
        bool decodes;
    } cases[] = {
        {JpegImage::MaximumSide, 1, true},
        {1, JpegImage::MaximumSide, true},
        {JpegImage::MaximumSide + 1, 1, false},
        {1, JpegImage::MaximumSide + 1, false},
    };
    for (const auto& c : cases) {
        const JpegImage image = JpegImage::decode(greyJpeg(c.width, c.height));
        EXPECT_EQ(!image.isEmpty(), c.decodes) << c.width << "x" << c.height;
        if (c.decodes) {
            EXPECT_EQ(image.width, c.width);
            EXPECT_EQ(image.height, c.height);
        }
    }
}

// A small file whose header claims a huge picture is refused from the header
// alone, without sizing a buffer for the claim.
TEST(JpegImageTest, HugeClaimInSmallFileGivesEmptyImage)
{
    const std::vector<std::uint8_t> small = fileBytes(RedBlue);
    for (const auto& [width, height] : {std::pair{30000, 30000}, std::pair{65500, 65500}, std::pair{65500, 8}, std::pair{16, 65500}})
        EXPECT_TRUE(JpegImage::decode(claimingSize(small, width, height)).isEmpty()) << width << "x" << height;
    EXPECT_FALSE(JpegImage::decode(claimingSize(small, 16, 8)).isEmpty());
}

}  // namespace
}  // namespace tiplark
