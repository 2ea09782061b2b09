#pragma once

#include <string>
#include <string_view>

namespace tiplark {

// Replaces the file at `path` with `contents` so that it holds either the old
// or the new text, never a mix: the new text goes to a temporary file in the
// same folder, is flushed to disk and renamed over the old one. A file the
// user made read-only is not replaced. On failure the old file is untouched
// and the result is false.
bool replaceFileAtomically(const std::string& path, std::string_view contents);

}  // namespace tiplark
