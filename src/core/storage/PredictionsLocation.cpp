#include "storage/PredictionsLocation.h"

#include "engine/TournamentFolders.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>

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

// Programs installed for the whole system. Root may write there, but a
// settings file must never land beside /usr/bin/tiplark.
bool isSystemFolder(const std::string& folder)
{
    const std::filesystem::path path = std::filesystem::path(folder).lexically_normal();
    const auto top = path.begin();
    return path.is_absolute() && std::next(top) != path.end()
        && (*std::next(top) == "usr" || *std::next(top) == "bin" || *std::next(top) == "sbin");
}

}  // namespace

std::string predictionsFilePath(const std::string& programFolder)
{
    // Saving writes a new file beside the old one and renames it, so the
    // folder itself must be writable, not only the file.
    if (!programFolder.empty() && !isSystemFolder(programFolder)
        && ::access(programFolder.c_str(), W_OK | X_OK) == 0)
        return (std::filesystem::path(programFolder) / PredictionsFileName).string();
    const std::filesystem::path folder = userConfigFolder() / "Tiplark";
    std::error_code ignored;  // a folder that cannot be made shows up as a failed save
    std::filesystem::create_directories(folder, ignored);
    return (folder / PredictionsFileName).string();
}

std::string tournamentPredictionsPath(const std::string& predictionsPath, const Tournament& tournament,
                                      const std::vector<Tournament>& all)
{
    if (tournament.id == DefaultTournamentId)
        return predictionsPath;
    const bool yearShared = std::any_of(all.begin(), all.end(), [&](const Tournament& other) {
        return other.year == tournament.year && other.id != tournament.id;
    });
    const std::string name = "Tiplark-" + (yearShared ? tournament.id : std::to_string(tournament.year)) + ".ini";
    return (std::filesystem::path(predictionsPath).parent_path() / name).string();
}

}  // namespace tiplark
