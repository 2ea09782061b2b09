#pragma once

#include <string>
#include <string_view>

namespace tiplark {

// How a value is stored on its line. A value is written as it is unless
// reading it back would give something else: a blank at either end (reading
// trims them), a line break or a NUL byte (which would end or damage the
// line), or a value that itself stands between double quotes. Such a value is
// written between double quotes, with "\\" for a backslash, "\r", "\n" and
// "\0" for CR, LF and NUL within. The program never wrote a value both
// starting and ending with a double quote before (numbers, zone codes, score
// pairs and absolute paths), so the files it wrote read as they always did.
std::string quotedValue(std::string_view value);

// The value a line holds; `text` is what stands after "=", trimmed. An
// unknown escape is kept as it stands.
std::string unquotedValue(std::string_view text);

}  // namespace tiplark
