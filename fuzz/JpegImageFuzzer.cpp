// libFuzzer target: arbitrary bytes as a picture must decode without fault
// and within the memory limit the fuzzer is run with; a picture that decodes
// is within the size limit and its pixel buffer matches its size.
#include "platform/JpegImage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using tiplark::JpegImage;
    const JpegImage image = JpegImage::decode(std::vector<std::uint8_t>(data, data + size));
    if (image.isEmpty())
        return 0;
    const bool sane = image.width > 0 && image.height > 0 && image.width <= JpegImage::MaximumSide
        && image.height <= JpegImage::MaximumSide
        && image.rgb.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3;
    if (!sane) {
        std::fprintf(stderr, "decoded a %dx%d picture with %zu bytes\n", image.width, image.height, image.rgb.size());
        std::abort();
    }
    return 0;
}
