#pragma once

#include <string>
#include <string_view>

namespace tiplark {

// UTF-8 text to the Windows-1252 bytes of the saved report ("è" is E8 hex).
// A character the set lacks, or a broken UTF-8 sequence, becomes "?".
std::string toCp1252(std::string_view utf8);

}  // namespace tiplark
