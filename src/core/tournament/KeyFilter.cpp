#include "tournament/KeyFilter.h"

namespace tiplark {

bool myKeyPress(char32_t character)
{
    constexpr char32_t Backspace = 8;
    return character == Backspace || (character >= U'0' && character <= U'9');
}

}  // namespace tiplark
