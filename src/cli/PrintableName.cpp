#include "PrintableName.h"

#include <cstdint>

namespace tiplark {
namespace {

// Length of the well-formed UTF-8 sequence at the start of `text` (no
// overlong forms, no surrogates, nothing above U+10FFFF), or 0.
size_t sequenceLength(std::string_view text)
{
    const auto byte = [&text](size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

void appendHex(std::string& out, std::uint8_t byte)
{
    constexpr const char* Digits = "0123456789ABCDEF";
    out += "\\x";
    out += Digits[byte >> 4];
    out += Digits[byte & 0xF];
}

}  // namespace

std::string printableName(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    while (!name.empty()) {
        const size_t length = sequenceLength(name);
        const auto lead = static_cast<std::uint8_t>(name.front());
        // U+0080..U+009F, the C1 controls, are C2 80..C2 9F.
        const bool c1 = length == 2 && lead == 0xC2 && static_cast<std::uint8_t>(name[1]) <= 0x9F;
        if (length == 0 || c1) {
            appendHex(out, lead);
            name.remove_prefix(1);
            continue;
        }
        switch (lead) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (lead < 0x20 || lead == 0x7F)
                appendHex(out, lead);
            else
                out.append(name.substr(0, length));
        }
        name.remove_prefix(length);
    }
    return out;
}

}  // namespace tiplark
