#pragma once

#include "storage/FileStamp.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tiplark {

enum class SettingsFileState { Loaded, Missing, Unreadable, TooLarge };

// One section as the program writes it: its name and its keys with their
// values, in write order.
struct SectionValues {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;

    bool operator==(const SectionValues&) const = default;
};

// An INI-style settings file held in memory line by line: "[name]" opens a
// section, "key=value" lines follow, lines starting with ";" or "#" are
// comments. Names are compared without regard to ASCII case, names and
// values are trimmed of blanks, and a value between double quotes is read as
// ValueQuoting.h describes. A repeated section reads as one, a repeated key
// as its first value. Lines break at LF, CR LF or a lone CR. Reading never
// fails the caller: a line that is none of these is skipped, and so is a line
// holding a NUL byte, without affecting the lines around it. A header without
// its "]", or with a NUL byte, opens a damaged block: the lines up to the
// next good header belong to no section.
class SettingsFile {
public:
    // A predictions file holds a few kilobytes. A larger file is not read, so
    // that a damaged or hostile file cannot take the machine's memory; what
    // is read takes memory in proportion to its size.
    static constexpr std::size_t MaximumSize = 8 * 1024 * 1024;

    SettingsFile() = default;
    // Bytes beyond MaximumSize are kept but not parsed: they read as an empty file.
    explicit SettingsFile(std::string bytes);

    // Reads the file at `path`, through links. A missing, unreadable or too
    // large file leaves it empty.
    SettingsFileState load(const std::string& path);

    // What the last load() found; Loaded for bytes given in memory.
    SettingsFileState state() const { return m_state; }
    // The bytes as read.
    const std::string& bytes() const { return m_bytes; }
    // The file as load() found it; bytes given in memory and a missing file do not exist.
    const FileStamp& stamp() const { return m_stamp; }
    // std::nullopt when the section or the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The line break the file's own lines end with, that of its first line:
    // LF, CR LF or CR; LF for a file without one.
    std::string_view lineBreak() const;

    // The file with `sections` written whole and everything else left as it
    // was. Each of `sections` replaces its first block of lines if the blocks
    // stand in the order of `sections`, otherwise it follows the one before it;
    // repeated blocks of those sections go, and so do damaged blocks. Every
    // line outside them is kept byte for byte and in place; inside them blank
    // lines and comments stay where they stand, keys follow the order of
    // `values`, and other lines go. The lines written end with lineBreak().
    std::string rewritten(const std::vector<SectionValues>& sections) const;

    // True when rewritten(sections) would drop a line that holds something:
    // a line of a damaged block; within `sections`, a comment of a repeated
    // or misplaced block, text after a header's "]", or a line that is no
    // blank, comment or first value of one of their keys.
    bool dropsLines(const std::vector<SectionValues>& sections) const;
    // dropsLines, or a value of the file that differs from the one given.
    bool losesData(const std::vector<SectionValues>& sections) const;

    // A digest of every line rewritten(sections) replaces or drops, whatever
    // their line breaks: two files with equal digests lose the same to a save.
    std::uint64_t rewrittenPartDigest(const std::vector<SectionValues>& sections) const;

private:
    enum class LineKind : std::uint8_t { Blank, Comment, Section, Key, Other, Damaged };
    // One line, or a run of lines of a kind nothing looks up one by one
    // (blank, comment, other or damaged): a file of blank lines is one record.
    // Offsets rather than views keep a record at 16 bytes.
    struct Line {
        std::uint32_t begin;  // into m_bytes
        std::uint32_t end;    // after the last line break
        std::uint32_t block;  // index into m_blocks
        LineKind kind;
    };
    enum class BlockKind : std::uint8_t { TopLevel, Section, Damaged };
    struct Block {
        BlockKind kind;
        bool trailingText;        // text after the header's "]"
        std::uint32_t first;      // the header, or the first line of the file
        std::uint32_t end;
        std::uint32_t nameBegin;  // the trimmed name between the brackets
        std::uint32_t nameLength;
    };
    // A key line by the digest of its folded section and key name.
    struct KeyDigest {
        std::uint64_t digest;
        std::uint32_t line;
        auto operator<=>(const KeyDigest&) const = default;
    };

    struct ScannedLine;

    // Calls `visit` with each line of the bytes in turn.
    template <typename Visit>
    void scan(Visit&& visit) const;
    void parse();
    std::string_view text(const Line& line) const;
    std::string_view name(const Block& block) const;
    std::string_view keyName(const Line& line) const;
    std::string_view keyValue(const Line& line) const;
    // The line of the key's first value, or NoLine.
    size_t firstValue(std::uint64_t digest, std::string_view section, std::string_view key) const;
    bool isFirstValue(size_t line) const;
    // The index in `sections` of the section a block belongs to, or NoSection.
    size_t owner(const Block& block, const std::vector<SectionValues>& sections) const;
    // The block each of `sections` is written in, nullptr for one written anew.
    std::vector<const Block*> anchors(const std::vector<SectionValues>& sections) const;
    bool loses(const std::vector<SectionValues>& sections, bool compareValues) const;
    void appendSection(std::string& out, const SectionValues& section, const Block* block) const;
    void appendKey(std::string& out, const std::pair<std::string, std::string>& key) const;
    void separate(std::string& out) const;

    std::string m_bytes;
    SettingsFileState m_state = SettingsFileState::Loaded;
    FileStamp m_stamp;
    size_t m_bodyStart = 0;  // after a UTF-8 byte order mark
    std::vector<Line> m_lines;
    std::vector<Block> m_blocks;
    // Every key line, ordered by digest and then by line, so that the first
    // line of a digest whose names match holds the key's first value: one
    // array of numbers rather than a tree of names, since a load parses two files.
    std::vector<KeyDigest> m_keys;
};

}  // namespace tiplark
