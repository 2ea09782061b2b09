#include "storage/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace tiplark {
namespace {

constexpr std::string_view TemporaryTag = ".tiplark-save-";
constexpr std::string_view TemporaryPattern = "XXXXXX";
constexpr std::string_view BackupTag = ".bak";
// As many links as the system itself follows before giving up.
constexpr int MaximumLinks = 40;

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A first file gets the usual permissions of a newly created file.
FileOwner newFileOwner()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return {static_cast<mode_t>(0666 & ~mask), ::geteuid(), ::getegid()};
}

// Root can hand the new file to the old one's owner. Another user cannot
// give a file away, but may keep its group when it is one of theirs; what
// cannot be kept leaves the new file to the user who saved it, which is why
// the outcome is not a reason to stop.
void keepOwner(int fd, const FileOwner& owner)
{
    if (owner.user == ::geteuid() && owner.group == ::getegid())
        return;
    if (::fchown(fd, owner.user, owner.group) == 0)
        return;
    [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), owner.group);
}

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    const auto folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// Makes the rename itself durable; a folder that cannot be synced does not
// undo a save that has already taken place.
void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool isTemporarySuffix(std::string_view rest)
{
    if (!rest.starts_with(TemporaryTag) || rest.size() != TemporaryTag.size() + TemporaryPattern.size())
        return false;
    rest.remove_prefix(TemporaryTag.size());
    return std::all_of(rest.begin(), rest.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// "<name>" or "<name>.<n>.bak", then the temporary tag and six letters or digits.
bool isLeftoverOf(std::string_view entry, std::string_view name)
{
    if (!entry.starts_with(name))
        return false;
    std::string_view rest = entry.substr(name.size());
    if (isTemporarySuffix(rest))
        return true;
    if (!rest.starts_with('.'))
        return false;
    rest.remove_prefix(1);
    const auto digits = std::find_if(rest.begin(), rest.end(), [](char c) { return c < '0' || c > '9'; });
    if (digits == rest.begin())
        return false;
    rest.remove_prefix(static_cast<size_t>(digits - rest.begin()));
    return rest.starts_with(BackupTag) && isTemporarySuffix(rest.substr(BackupTag.size()));
}

}  // namespace

SaveTarget saveTarget(const std::string& path)
{
    SaveTarget target;
    target.path = path;
    struct stat end {};
    const bool exists = ::stat(path.c_str(), &end) == 0;
    std::filesystem::path at(path);
    for (int hop = 0;; ++hop) {
        struct stat entry {};
        if (::lstat(at.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
            if (hop > 0 && !exists)
                target.refusal = WriteRefusal::NotAFile;
            break;
        }
        if (hop == MaximumLinks || !exists) {
            target.refusal = WriteRefusal::NotAFile;
            return target;
        }
        if (entry.st_uid != ::geteuid() && entry.st_uid != end.st_uid) {
            target.refusal = WriteRefusal::UntrustedLink;
            return target;
        }
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(at, error);
        if (error) {
            target.refusal = WriteRefusal::NotAFile;
            return target;
        }
        at = (next.is_absolute() ? next : folderOf(at) / next).lexically_normal();
    }
    target.path = at.string();
    if (!exists || target.refusal != WriteRefusal::None)
        return target;
    if (!S_ISREG(end.st_mode))
        target.refusal = WriteRefusal::NotAFile;
    else if ((end.st_mode & 0222) == 0)
        target.refusal = WriteRefusal::ReadOnly;
    else if (::access(target.path.c_str(), W_OK) != 0)
        target.refusal = WriteRefusal::NotWritable;
    target.existing = FileOwner{static_cast<mode_t>(end.st_mode & 07777), end.st_uid, end.st_gid};
    return target;
}

std::optional<FileStamp> writeFileAtomically(const std::string& path, std::string_view contents, const FileOwner& owner)
{
    std::string temporary = path;
    temporary += TemporaryTag;
    temporary += TemporaryPattern;
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat written {};
    bool complete = writeAll(fd, contents);
    if (complete) {
        // The owner first: a change of owner clears the set-user-ID bits the mode may restore.
        keepOwner(fd, owner);
        complete = ::fchmod(fd, owner.mode) == 0 && ::fsync(fd) == 0 && ::fstat(fd, &written) == 0;
    }
    complete = ::close(fd) == 0 && complete;
    if (!complete || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    syncFolder(folderOf(path));
    return fileStamp(written, contents);
}

std::optional<FileStamp> replaceFileAtomically(const std::string& path, std::string_view contents)
{
    const SaveTarget target = saveTarget(path);
    if (target.refusal != WriteRefusal::None)
        return std::nullopt;
    return writeFileAtomically(target.path, contents, target.existing.value_or(newFileOwner()));
}

void removeLeftoverTemporaries(const std::string& path)
{
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    std::vector<std::filesystem::path> leftovers;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folderOf(file), error)) {
        std::error_code ignored;
        if (isLeftoverOf(entry.path().filename().string(), name)
            && entry.symlink_status(ignored).type() == std::filesystem::file_type::regular)
            leftovers.push_back(entry.path());
    }
    for (const auto& leftover : leftovers)
        std::filesystem::remove(leftover, error);
}

}  // namespace tiplark
