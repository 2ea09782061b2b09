#include "storage/SettingsDocument.h"

#include "i18n/LanguageTables.h"
#include "storage/AtomicFile.h"
#include "storage/SettingsSave.h"

namespace tiplark {
namespace {

std::string withPath(const UserDialogs& dialogs, const char* key, const std::string& path)
{
    std::string text = languageText(dialogs.languageIndex, key);
    if (const size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, path);
    return text;
}

}  // namespace

void SettingsDocument::opened(const std::string& path, const SettingsFile& file, std::vector<SectionValues> asLoaded)
{
    m_path = path;
    m_stamp = file.stamp();
    m_rewrittenDigest = file.rewrittenPartDigest(asLoaded);
    m_asLoaded = std::move(asLoaded);
}

void SettingsDocument::tellIfReadOnly(const UserDialogs& dialogs) const
{
    if (!m_path.empty() && saveTarget(m_path).refusal == WriteRefusal::ReadOnly)
        dialogs.messages.showInformation(withPath(dialogs, "msg.readOnlyFile", m_path));
}

bool SettingsDocument::changedOnDisk(const SettingsFile& disk) const
{
    // Lines a save keeps may change freely: the save takes them from the disk.
    return disk.stamp() != m_stamp && disk.rewrittenPartDigest(m_asLoaded) != m_rewrittenDigest;
}

bool SettingsDocument::saveElsewhere(const std::vector<SectionValues>& sections, const UserDialogs& dialogs)
{
    const std::string other = dialogs.chooseOtherFile ? dialogs.chooseOtherFile() : std::string();
    return !other.empty() && save(other, sections, dialogs);
}

bool SettingsDocument::save(const std::string& path, const std::vector<SectionValues>& sections,
                            const UserDialogs& dialogs)
{
    const bool own = !m_path.empty() && path == m_path;
    SettingsFile disk;
    disk.load(path);
    if (own && saveTarget(path).refusal == WriteRefusal::ReadOnly) {
        if (dialogs.messages.askYesNo(withPath(dialogs, "msg.readOnlySave", path)) != DialogResult::Yes)
            return false;
        return saveElsewhere(sections, dialogs);
    }
    if (own && changedOnDisk(disk)) {
        switch (dialogs.messages.askYesNoCancel(withPath(dialogs, "msg.changedElsewhere", path))) {
        case DialogResult::Yes:
            break;
        case DialogResult::No:
            return saveElsewhere(sections, dialogs);
        default:
            return false;
        }
    }
    const bool losesData = own ? disk.losesData(m_asLoaded) : disk.dropsLines(sections);
    const SettingsWrite write = writeSettings(path, disk, sections, losesData);
    if (!write.backup.empty())
        dialogs.messages.showInformation(withPath(dialogs, "msg.backupKept", write.backup));
    if (!write.written) {
        dialogs.messages.showError(withPath(dialogs, "msg.unableToWrite", write.failedPath));
        return false;
    }
    if (own) {
        m_stamp = write.stamp;
        m_rewrittenDigest = write.rewrittenDigest;
        m_asLoaded = sections;
    }
    return true;
}

}  // namespace tiplark
