#include "storage/SettingsFile.h"

#include "storage/AtomicFile.h"

#define SI_CONVERT_ICU
#include <SimpleIni.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tiplark {

// Byte strings in and out: values are ASCII, and the text of sections the
// program does not own passes through in whatever single-byte code page it
// was written.
struct SettingsFile::Ini {
    CSimpleIniA ini{false, true, false};  // bytes, repeated keys kept, no multi-line values
};

SettingsFile::SettingsFile()
    : m_ini(std::make_unique<Ini>())
{
    m_ini->ini.SetSpaces(false);
}

SettingsFile::~SettingsFile() = default;

SettingsFileState SettingsFile::load(const std::string& path)
{
    m_ini->ini.Reset();
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return SettingsFileState::Missing;
    if (error || status.type() != std::filesystem::file_type::regular)
        return SettingsFileState::Unreadable;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return SettingsFileState::Unreadable;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return SettingsFileState::Unreadable;
    return loadText(bytes);
}

SettingsFileState SettingsFile::loadText(std::string_view bytes)
{
    m_ini->ini.Reset();
    if (m_ini->ini.LoadData(bytes.data(), bytes.size()) < 0) {
        m_ini->ini.Reset();
        return SettingsFileState::Unreadable;
    }
    return SettingsFileState::Loaded;
}

std::optional<std::string> SettingsFile::value(std::string_view section, std::string_view key) const
{
    const char* found = m_ini->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (!found)
        return std::nullopt;
    return std::string(found);
}

void SettingsFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    m_ini->ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), std::string(value).c_str(), nullptr, true);
}

void SettingsFile::eraseSection(std::string_view section)
{
    m_ini->ini.Delete(std::string(section).c_str(), nullptr);
}

std::optional<std::string> SettingsFile::text() const
{
    std::string out;
    if (m_ini->ini.Save(out) < 0)
        return std::nullopt;
    return out;
}

bool SettingsFile::save(const std::string& path) const
{
    const std::optional<std::string> out = text();
    return out && replaceFileAtomically(path, *out);
}

}  // namespace tiplark
