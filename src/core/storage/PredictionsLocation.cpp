#include "storage/PredictionsLocation.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tiplark {
namespace {

std::filesystem::path userConfigFolder()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && std::filesystem::path(xdg).is_absolute())
        return xdg;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : ".") / ".config";
}

}  // namespace

std::string predictionsFilePath(const std::string& programFolder)
{
    // Saving writes a new file beside the old one and renames it, so the
    // folder itself must be writable, not only the file.
    if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK | X_OK) == 0)
        return (std::filesystem::path(programFolder) / PredictionsFileName).string();
    const std::filesystem::path folder = userConfigFolder() / "Tiplark";
    std::error_code ignored;  // a folder that cannot be made shows up as a failed save
    std::filesystem::create_directories(folder, ignored);
    return (folder / PredictionsFileName).string();
}

}  // namespace tiplark
