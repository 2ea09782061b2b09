#pragma once

#include <cstdint>
#include <string_view>

struct stat;

namespace tiplark {

// A file as it was when last read or written, to tell whether another
// program has replaced it since: its size, its modification time and a
// digest of its bytes.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since the epoch
    std::uint64_t digest = 0;

    bool operator==(const FileStamp&) const = default;
};

// FNV-1a over the bytes: a few kilobytes are read anyway, and the digest
// needs to tell versions of one file apart, not to withstand an attacker.
std::uint64_t contentDigest(std::string_view bytes);

FileStamp fileStamp(const struct stat& info, std::string_view bytes);

}  // namespace tiplark
