#include "tournament/KeyFilter.h"

#include "platform/ScoreText.h"

namespace tiplark {

bool myKeyPress(char32_t character)
{
    constexpr char32_t Backspace = 8;
    return character == Backspace || isScoreDigit(character);
}

}  // namespace tiplark
