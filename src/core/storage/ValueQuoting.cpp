#include "storage/ValueQuoting.h"

#include <algorithm>

namespace tiplark {
namespace {

constexpr char Quote = '"';
constexpr char Escape = '\\';

// Each byte that cannot stand inside a quoted value, and the letter after
// the backslash that stands for it.
constexpr std::pair<char, char> Escapes[] = {{'\\', '\\'}, {'\r', 'r'}, {'\n', 'n'}, {'\0', '0'}};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool looksQuoted(std::string_view text)
{
    return text.size() >= 2 && text.front() == Quote && text.back() == Quote;
}

bool needsQuotes(std::string_view value)
{
    if (value.empty())
        return false;
    return isBlank(value.front()) || isBlank(value.back()) || looksQuoted(value)
        || value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

std::string quotedValue(std::string_view value)
{
    if (!needsQuotes(value))
        return std::string(value);
    std::string out(1, Quote);
    for (const char c : value) {
        const auto escape = std::find_if(std::begin(Escapes), std::end(Escapes),
                                         [c](const auto& pair) { return pair.first == c; });
        if (escape == std::end(Escapes)) {
            out += c;
        } else {
            out += Escape;
            out += escape->second;
        }
    }
    out += Quote;
    return out;
}

std::string unquotedValue(std::string_view text)
{
    if (!looksQuoted(text))
        return std::string(text);
    const std::string_view inner = text.substr(1, text.size() - 2);
    std::string out;
    out.reserve(inner.size());
    for (size_t i = 0; i < inner.size(); ++i) {
        const auto escape = i + 1 < inner.size() && inner[i] == Escape
            ? std::find_if(std::begin(Escapes), std::end(Escapes),
                           [letter = inner[i + 1]](const auto& pair) { return pair.second == letter; })
            : std::end(Escapes);
        if (escape == std::end(Escapes)) {
            out += inner[i];
        } else {
            out += escape->first;
            ++i;
        }
    }
    return out;
}

}  // namespace tiplark
