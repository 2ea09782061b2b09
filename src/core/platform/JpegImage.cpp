#include "platform/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <new>

#include <jpeglib.h>

namespace tiplark {
namespace {

// libjpeg's default error handler ends the process; this one jumps back to
// decode() instead, which then gives up on the picture.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void leaveDecoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

// False, before any pixel memory is taken, for a picture above the size limit.
bool readPixels(jpeg_decompress_struct& info, JpegImage& image)
{
    jpeg_read_header(&info, TRUE);
    if (info.image_width > JpegImage::MaximumSide || info.image_height > JpegImage::MaximumSide)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    const size_t stride = static_cast<size_t>(info.output_width) * 3;
    image.rgb.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

JpegImage JpegImage::decode(const std::vector<std::uint8_t>& data)
{
    if (data.empty())
        return {};
    // The objects that live across setjmp are changed only inside calls, so
    // their memory is current when libjpeg jumps back; nothing with a
    // destructor is created between setjmp and a jump.
    JpegImage image;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveDecoder;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    // Memory can run out even below the size limit; the vector then throws,
    // which must not leave libjpeg's own allocations behind.
    bool read = false;
    try {
        read = readPixels(info, image);
    } catch (const std::bad_alloc&) {
    }
    jpeg_destroy_decompress(&info);
    // libjpeg pads a truncated file with grey and only warns; that is damage too.
    if (!read || errors.base.num_warnings > 0)
        return {};
    return image;
}

JpegImage JpegImage::load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {};
    const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return decode(data);
}

}  // namespace tiplark
