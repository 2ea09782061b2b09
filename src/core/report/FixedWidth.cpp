#include "report/FixedWidth.h"

namespace tiplark {

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char byte : text) {
        // Continuation bytes 10xxxxxx belong to the character before them.
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

void appendRight(std::string& line, std::string_view text, std::size_t width)
{
    const std::size_t length = characterCount(text);
    line.append(length < width ? width - length : 0, ' ');
    line += text;
}

void appendLeft(std::string& line, std::string_view text, std::size_t width)
{
    const std::size_t length = characterCount(text);
    line += text;
    line.append(length < width ? width - length : 0, ' ');
}

std::string right(std::string_view text, std::size_t width)
{
    std::string result;
    appendRight(result, text, width);
    return result;
}

std::string left(std::string_view text, std::size_t width)
{
    std::string result;
    appendLeft(result, text, width);
    return result;
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string capitals(std::string_view text)
{
    std::string result = upper(text);
    // U+00E0..U+00FE are C3 A0..C3 BE in UTF-8, their capitals C3 80..C3 9E;
    // U+00F7 is the division sign, without a capital.
    for (size_t i = 0; i + 1 < result.size(); ++i) {
        const auto lead = static_cast<unsigned char>(result[i]);
        const auto next = static_cast<unsigned char>(result[i + 1]);
        if (lead == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7)
            result[i + 1] = static_cast<char>(next - 0x20);
    }
    return result;
}

}  // namespace tiplark
