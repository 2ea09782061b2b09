#pragma once

#include "storage/AtomicFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace tiplark {

// How many backups of a file are kept: "<path>.1.bak", the newest, to "<path>.5.bak".
inline constexpr int BackupCount = 5;

std::string backupPath(const std::string& path, int number);

// Keeps `bytes`, the file at `path` as it was before a save replaces it, as
// "<path>.1.bak": the backups before it move one number up and the oldest
// goes. A newest backup that holds these bytes already stays as it is, so
// that a save tried again pushes out no older one; a backup that cannot move
// up stops the backup rather than being replaced. The backup takes `owner`'s
// permissions and owner: a file only its owner may read has a backup only its
// owner may read. Backups are moved and written by renaming, so a link
// planted under a backup's name is moved or replaced, never followed.
// The backup's path, or std::nullopt when it could not be written.
std::optional<std::string> keepBackup(const std::string& path, std::string_view bytes, const FileOwner& owner);

}  // namespace tiplark
