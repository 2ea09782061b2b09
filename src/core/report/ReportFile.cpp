#include "report/ReportFile.h"

#include "platform/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tiplark {

std::optional<std::string> writeReportFile(const std::string& path, const std::vector<std::string>& lines)
{
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return std::string(std::strerror(errno));

    int error = 0;
    for (const std::string& line : lines) {
        const std::string bytes = toCp1252(line) + "\r\n";
        if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
            error = errno ? errno : EIO;
            break;
        }
    }
    // A full disk often shows only when the buffer is flushed.
    if (std::fclose(file) != 0 && error == 0)
        error = errno ? errno : EIO;
    if (error != 0)
        return std::string(std::strerror(error));
    return std::nullopt;
}

}  // namespace tiplark
