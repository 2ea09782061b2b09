#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tiplark {

enum class SettingsFileState { Loaded, Missing, Unreadable };

// One section as the program writes it: its name and its keys with their
// values, in write order.
struct SectionValues {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
};

// An INI-style settings file held in memory line by line: "[name]" opens a
// section, "key=value" lines follow, lines starting with ";" or "#" are
// comments. Names are compared without regard to ASCII case, names and
// values are trimmed of blanks. A repeated section reads as one, a repeated
// key as its first value. Lines break at LF, CR LF or a lone CR. Reading
// never fails the caller: a line that is none of these is skipped, and so
// is a line holding a NUL byte, without affecting the lines around it.
class SettingsFile {
public:
    SettingsFile() = default;
    explicit SettingsFile(std::string bytes);
    // The lines point into the bytes.
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // A missing or unreadable file leaves it empty.
    SettingsFileState load(const std::string& path);

    // The bytes as read.
    const std::string& bytes() const { return m_bytes; }
    // std::nullopt when the section or the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // The file with `sections` written whole and everything else left as it
    // was. Each of `sections` replaces its first block of lines if the blocks
    // stand in the order of `sections`, otherwise it follows the one before it;
    // repeated blocks of those sections go. Every line outside them is kept
    // byte for byte and in place; inside them blank lines and comments stay
    // where they stand, keys follow the order of `values`, and other lines go.
    std::string rewritten(const std::vector<SectionValues>& sections) const;

    // True when rewriting `sections` would lose something the file holds:
    // a line with a NUL byte anywhere, a line within those sections that is
    // no blank, comment or value of one of their keys, or a value that
    // differs from the one given.
    bool losesData(const std::vector<SectionValues>& sections) const;

private:
    enum class LineKind { Blank, Comment, Section, Key, Other, Damaged };
    struct Line {
        std::string_view text;  // with its line break
        LineKind kind;
        std::string name;       // folded section or key name
        std::string_view value;
        size_t block = 0;       // index into m_blocks
        std::uint64_t digest = 0;  // of a key line's folded section and key name
    };
    struct Block {
        std::string name;  // folded
        bool hasHeader;    // false for the lines before the first section
        size_t first;      // the header, or the first line of the file
        size_t end;
    };

    // A key line by the digest of its folded section and key name.
    struct KeyDigest {
        std::uint64_t digest;
        size_t line;
        auto operator<=>(const KeyDigest&) const = default;
    };

    void parse();
    // The line of the key's first value, or NoLine.
    size_t firstValue(std::string_view section, std::string_view key) const;
    size_t firstValue(std::uint64_t digest, std::string_view section, std::string_view key) const;
    const Block* firstBlock(const std::string& foldedName) const;
    bool isFirstValue(size_t line) const;
    void appendSection(std::string& out, const SectionValues& section, const Block* block) const;

    std::string m_bytes;
    size_t m_bodyStart = 0;  // after a UTF-8 byte order mark
    std::vector<Line> m_lines;
    std::vector<Block> m_blocks;
    // Every key line, ordered by digest and then by line, so that the first
    // line of a digest whose names match holds the key's first value: one
    // array of numbers rather than a tree of names, since a load parses two files.
    std::vector<KeyDigest> m_keys;
    bool m_damaged = false;
};

}  // namespace tiplark
