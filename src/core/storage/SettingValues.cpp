#include "storage/SettingValues.h"

#include "platform/ScoreText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tiplark {
namespace {

constexpr int RealDigits = 15;

template <typename Number>
std::optional<Number> parseWhole(std::string_view text, int base)
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> readInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hexadecimal covers the full 32 bits: 0xFFFFFFFF is -1.
        const auto hex = parseWhole<std::uint32_t>(text.substr(2), 16);
        if (!hex)
            return std::nullopt;
        return static_cast<std::int32_t>(*hex);
    }
    return parseWhole<std::int32_t>(text, 10);
}

std::optional<bool> readYesNo(std::string_view text)
{
    const auto value = readInteger(text);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

std::string writeYesNo(bool value)
{
    return value ? "1" : "0";
}

std::optional<double> readReal(std::string_view text)
{
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    double value = 0.0;
    const char* end = dotted.data() + dotted.size();
    const auto [stop, error] = std::from_chars(dotted.data(), end, value);
    if (dotted.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string writeReal(double value)
{
    if (value == 0.0)
        return "0";  // also for -0
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, RealDigits);
    return std::string(buffer, result.ptr);
}

std::string joinScorePair(std::string_view first, std::string_view second)
{
    std::string pair(first);
    pair += '-';
    pair += second;
    return pair;
}

ScorePair splitScorePair(std::string_view text)
{
    const size_t minus = text.find('-');
    if (minus == std::string_view::npos)
        return {"", std::string(text.substr(0, ScoreLength))};
    return {std::string(text.substr(0, minus)), std::string(text.substr(minus + 1, ScoreLength))};
}

std::string acceptedScore(std::string_view text)
{
    return isScoreText(text) ? std::string(text) : std::string();
}

}  // namespace tiplark
