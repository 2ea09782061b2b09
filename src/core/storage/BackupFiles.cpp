#include "storage/BackupFiles.h"

#include "storage/SettingsFile.h"

#include <sys/stat.h>

#include <cstdio>

namespace tiplark {
namespace {

bool exists(const std::string& path)
{
    struct stat entry {};
    return ::lstat(path.c_str(), &entry) == 0;
}

// The newest backup holds `bytes` already. A link there is never read.
bool holds(const std::string& backup, std::string_view bytes)
{
    struct stat entry {};
    if (::lstat(backup.c_str(), &entry) != 0 || !S_ISREG(entry.st_mode)
        || static_cast<std::uint64_t>(entry.st_size) != bytes.size())
        return false;
    SettingsFile kept;
    return kept.load(backup) == SettingsFileState::Loaded && kept.bytes() == bytes;
}

}  // namespace

std::string backupPath(const std::string& path, int number)
{
    return path + "." + std::to_string(number) + ".bak";
}

std::optional<std::string> keepBackup(const std::string& path, std::string_view bytes, const FileOwner& owner)
{
    const std::string newest = backupPath(path, 1);
    if (holds(newest, bytes))
        return newest;
    for (int number = BackupCount - 1; number >= 1; --number) {
        const std::string older = backupPath(path, number);
        if (exists(older) && std::rename(older.c_str(), backupPath(path, number + 1).c_str()) != 0)
            return std::nullopt;
    }
    if (!writeFileAtomically(newest, bytes, owner))
        return std::nullopt;
    return newest;
}

}  // namespace tiplark
