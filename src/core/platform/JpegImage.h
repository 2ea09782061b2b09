#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tiplark {

// A decoded picture: 8-bit RGB, rows top to bottom, no padding. A picture
// that could not be read is empty, never an error: a damaged or missing
// asset leaves a blank picture on the window. So is a picture wider or
// taller than MaximumSide, whose header alone could otherwise claim
// gigabytes of memory.
struct JpegImage {
    static constexpr int MaximumSide = 4096;

    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool isEmpty() const { return width == 0 || height == 0; }

    static JpegImage decode(const std::vector<std::uint8_t>& data);
    static JpegImage load(const std::string& path);
};

}  // namespace tiplark
