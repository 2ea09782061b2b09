#include "storage/FileStamp.h"

#include <sys/stat.h>

namespace tiplark {

std::uint64_t contentDigest(std::string_view bytes)
{
    std::uint64_t digest = 14695981039346656037ull;
    for (const char c : bytes) {
        digest ^= static_cast<unsigned char>(c);
        digest *= 1099511628211ull;
    }
    return digest;
}

FileStamp fileStamp(const struct stat& info, std::string_view bytes)
{
    constexpr std::int64_t NanosecondsPerSecond = 1000000000;
    return {true, static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * NanosecondsPerSecond + info.st_mtim.tv_nsec,
            contentDigest(bytes)};
}

}  // namespace tiplark
