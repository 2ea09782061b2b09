#include "storage/SettingsSave.h"

#include "storage/AtomicFile.h"
#include "storage/BackupFiles.h"

namespace tiplark {

SettingsWrite writeSettings(const std::string& path, const SettingsFile& disk,
                            const std::vector<SectionValues>& sections, bool backupFirst)
{
    SettingsWrite result;
    result.failedPath = path;
    const SaveTarget target = saveTarget(path);
    const bool readWhole = disk.state() == SettingsFileState::Loaded || disk.state() == SettingsFileState::Missing;
    if (!readWhole || target.refusal != WriteRefusal::None)
        return result;
    if (backupFirst && target.existing && !disk.bytes().empty()) {
        const auto backup = keepBackup(path, disk.bytes(), *target.existing);
        if (!backup) {
            result.failedPath = backupPath(path, 1);
            return result;
        }
        result.backup = *backup;
    }
    const std::string text = disk.rewritten(sections);
    const auto stamp = replaceFileAtomically(path, text);
    if (!stamp)
        return result;
    result.written = true;
    result.failedPath.clear();
    result.stamp = *stamp;
    result.rewrittenDigest = SettingsFile(text).rewrittenPartDigest(sections);
    return result;
}

}  // namespace tiplark
