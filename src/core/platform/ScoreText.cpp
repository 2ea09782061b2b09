#include "platform/ScoreText.h"

#include "board/Board.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace tiplark {

bool isScoreDigit(char32_t character)
{
    return character >= U'0' && character <= U'9';
}

bool isScoreText(std::string_view text)
{
    return text.size() <= static_cast<size_t>(ScoreLength)
           && std::all_of(text.begin(), text.end(), [](char c) { return isScoreDigit(static_cast<unsigned char>(c)); });
}

std::optional<int> scoreNumber(std::string_view text)
{
    std::string_view digits = text;
    // A leading sign is part of a decimal integer; blanks are not.
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

int scoreValue(std::string_view text)
{
    const std::optional<int> value = scoreNumber(text);
    if (!value)
        throw ActionAborted{"'" + std::string(text) + "' is not a valid integer value"};
    return *value;
}

}  // namespace tiplark
