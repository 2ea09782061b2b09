#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tiplark {

enum class SettingsFileState { Loaded, Missing, Unreadable };

// An INI-style settings file held in memory: sections of "key=value" lines,
// names compared without regard to case. Loading never fails the caller: a
// missing or unreadable file leaves it empty, and text that is not INI is
// skipped. Sections are kept in file order, new ones go to the end; a
// repeated section reads as one, a repeated key as its first value.
class SettingsFile {
public:
    SettingsFile();
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    SettingsFileState load(const std::string& path);
    // Reads the bytes of a file already in memory; only text SimpleIni
    // rejects as a whole is Unreadable.
    SettingsFileState loadText(std::string_view bytes);

    // std::nullopt when the section or the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void eraseSection(std::string_view section);

    // The whole file exactly as save() writes it; std::nullopt when it cannot be encoded.
    std::optional<std::string> text() const;
    // Replaces the file at `path` atomically with text(); false when it could not be written.
    bool save(const std::string& path) const;

private:
    struct Ini;
    std::unique_ptr<Ini> m_ini;
};

}  // namespace tiplark
