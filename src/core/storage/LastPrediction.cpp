#include "storage/LastPrediction.h"

#include "storage/SettingsFile.h"
#include "storage/SettingsSave.h"

#include <filesystem>

namespace tiplark {
namespace {

constexpr const char* Section = "SESSION";
constexpr const char* FileKey = "Predictions";

}  // namespace

std::string lastPredictionSessionPath(const std::string& predictionsPath)
{
    return (std::filesystem::path(predictionsPath).parent_path() / LastPredictionFileName).string();
}

std::optional<std::string> readLastPrediction(const std::string& predictionsPath)
{
    SettingsFile file;
    file.load(lastPredictionSessionPath(predictionsPath));
    std::optional<std::string> opened = file.value(Section, FileKey);
    if (opened && opened->empty())
        return std::nullopt;
    return opened;
}

bool rememberLastPrediction(const std::string& predictionsPath, const std::string& opened)
{
    const std::string path = lastPredictionSessionPath(predictionsPath);
    SettingsFile file;
    file.load(path);
    const std::vector<SectionValues> sections = {{Section, {{FileKey, opened}}}};
    return writeSettings(path, file, sections, file.dropsLines(sections)).written;
}

}  // namespace tiplark
