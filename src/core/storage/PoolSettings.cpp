#include "storage/PoolSettings.h"

#include "storage/SettingValues.h"
#include "storage/SettingsFile.h"
#include "storage/SettingsSave.h"

namespace tiplark {
namespace {

constexpr const char* Section = "POOL";
constexpr const char* IncludeBoardKey = "IncludeBoard";

std::string fileKey(size_t index)
{
    return "File" + std::to_string(index + 1);
}

}  // namespace

PoolChoice readPoolChoice(const std::string& settingsPath)
{
    SettingsFile file;
    file.load(settingsPath);
    PoolChoice choice;
    for (size_t i = 0;; ++i) {
        const auto path = file.value(Section, fileKey(i));
        if (!path)
            break;
        if (!path->empty())
            choice.files.push_back(*path);
    }
    if (const auto include = file.value(Section, IncludeBoardKey))
        choice.includeBoard = readYesNo(*include).value_or(true);
    return choice;
}

bool writePoolChoice(const std::string& settingsPath, const PoolChoice& choice)
{
    SettingsFile file;
    file.load(settingsPath);
    SectionValues pool{Section, {}};
    for (size_t i = 0; i < choice.files.size(); ++i)
        pool.values.emplace_back(fileKey(i), choice.files[i]);
    pool.values.emplace_back(IncludeBoardKey, writeYesNo(choice.includeBoard));
    const std::vector<SectionValues> sections = {pool};
    // The choice replaces the section's values; only lines the rewrite drops call for a backup.
    return writeSettings(settingsPath, file, sections, file.dropsLines(sections)).written;
}

}  // namespace tiplark
