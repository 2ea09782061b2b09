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

}  // namespace tiplark
