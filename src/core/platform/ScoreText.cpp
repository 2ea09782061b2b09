#include "platform/ScoreText.h"

#include "board/Board.h"

#include <charconv>
#include <string>

namespace tiplark {

int scoreValue(std::string_view text)
{
    std::string_view digits = text;
    // A leading sign is part of a decimal integer; blanks are not.
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        throw ActionAborted{"'" + std::string(text) + "' is not a valid integer value"};
    return value;
}

bool isScoreText(std::string_view text)
{
    if (text.size() > 2)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

}  // namespace tiplark
