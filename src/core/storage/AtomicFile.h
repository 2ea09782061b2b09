#pragma once

#include "storage/FileStamp.h"

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace tiplark {

// Why a file may not be replaced.
enum class WriteRefusal {
    None,
    ReadOnly,       // the user took every write permission away
    NotWritable,    // the permissions do not let this user write it
    NotAFile,       // a folder, a device, or a link that leads nowhere
    UntrustedLink,  // a link someone else made to a file not theirs
};

// The permissions and owner a replacement takes over from the file it replaces.
struct FileOwner {
    mode_t mode;
    uid_t user;
    gid_t group;
};

// The file a save of `path` replaces: `path` itself, or, when `path` is a
// symbolic link, the file its chain of links ends at, so that the link stays
// a link. A link is followed only when it belongs to the user running the
// program or to the owner of the file it leads to: as root, a link someone
// planted beside the file must not hand them another user's file.
struct SaveTarget {
    std::string path;
    WriteRefusal refusal = WriteRefusal::None;
    std::optional<FileOwner> existing;  // absent for a file not yet there
};
SaveTarget saveTarget(const std::string& path);

// Replaces the save target of `path` with `contents` so that it holds either
// the old or the new text, never a mix: the new text goes to a temporary file
// in the target's folder, named "<name>.tiplark-save-XXXXXX", takes the old
// file's permissions and owner (as root, another user's file stays theirs),
// is flushed to disk and renamed over the old one. A refused target is not
// touched. On failure the old file is untouched, no temporary file remains,
// and the result is empty; otherwise it is the new file's stamp.
std::optional<FileStamp> replaceFileAtomically(const std::string& path, std::string_view contents);

// The same for exactly `path`, which a link there does not redirect: a link
// at `path` is replaced, never written through. The new file takes `owner`'s
// permissions and owner.
std::optional<FileStamp> writeFileAtomically(const std::string& path, std::string_view contents, const FileOwner& owner);

// Removes what saves killed on the way left beside the file at `path`: the
// regular files named like the temporary files of `path` and of its numbered
// backups ("<name>.tiplark-save-XXXXXX", "<name>.1.bak.tiplark-save-XXXXXX").
// Nothing else is touched, and a link is never followed.
void removeLeftoverTemporaries(const std::string& path);

}  // namespace tiplark
