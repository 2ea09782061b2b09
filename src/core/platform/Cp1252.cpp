#include "platform/Cp1252.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace tiplark {
namespace {

// Length of the UTF-8 sequence that starts with this byte; 1 for a stray byte.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

class Converter {
public:
    Converter()
        : m_handle(iconv_open("WINDOWS-1252", "UTF-8"))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("The Windows-1252 character set is not available");
    }
    ~Converter() { iconv_close(m_handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string convert(std::string_view utf8)
    {
        std::string result;
        std::string input(utf8);
        char* in = input.data();
        std::size_t inLeft = input.size();
        // A single-byte set never needs more bytes than the UTF-8 input has.
        std::string buffer(input.size(), '\0');
        while (inLeft > 0) {
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t done = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            result.append(buffer.data(), buffer.size() - outLeft);
            if (done != static_cast<std::size_t>(-1))
                break;
            // EILSEQ or EINVAL: stand in "?" for the offending character and go on.
            result += '?';
            const std::size_t skip = std::min(sequenceLength(static_cast<unsigned char>(*in)), inLeft);
            in += skip;
            inLeft -= skip;
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        return result;
    }

private:
    iconv_t m_handle;
};

}  // namespace

std::string toCp1252(std::string_view utf8)
{
    Converter converter;
    return converter.convert(utf8);
}

}  // namespace tiplark
