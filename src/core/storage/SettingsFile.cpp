#include "storage/SettingsFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tiplark {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char LineBreak = '\n';
constexpr size_t NoKey = static_cast<size_t>(-1);
constexpr size_t NoLine = static_cast<size_t>(-1);

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char foldedChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded(std::string_view name)
{
    std::string out(name);
    for (char& c : out)
        c = foldedChar(c);
    return out;
}

bool sameFolded(std::string_view name, std::string_view foldedName)
{
    return name.size() == foldedName.size() &&
           std::equal(name.begin(), name.end(), foldedName.begin(), [](char a, char b) { return foldedChar(a) == b; });
}

// FNV-1a over the folded section name, a NUL, which no name holds, and the
// folded key name.
std::uint64_t keyDigest(std::string_view section, std::string_view key)
{
    std::uint64_t digest = 14695981039346656037ull;
    const auto add = [&digest](char c) {
        digest ^= static_cast<unsigned char>(foldedChar(c));
        digest *= 1099511628211ull;
    };
    for (const char c : section)
        add(c);
    add('\0');
    for (const char c : key)
        add(c);
    return digest;
}

bool endsWithLineBreak(std::string_view text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// Length of the line at the start of `text` with its line break, and of the break alone.
std::pair<size_t, size_t> lineLength(std::string_view text)
{
    const auto end = std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
    if (end == text.end())
        return {text.size(), 0};
    const auto stop = static_cast<size_t>(end - text.begin());
    const size_t breakLength = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n' ? 2 : 1;
    return {stop + breakLength, breakLength};
}

// A section the file did not hold starts after two empty lines, as in the
// files the program writes itself.
void separate(std::string& out, size_t start)
{
    if (out.size() == start)
        return;
    if (!endsWithLineBreak(out))
        out += LineBreak;
    out += "\n\n";
}

// The index of the key in `section`, tried first at `expected`: a file the
// program wrote holds the keys in the section's order.
size_t keyIndex(const SectionValues& section, const std::string& foldedKey, size_t expected)
{
    if (expected < section.values.size() && sameFolded(section.values[expected].first, foldedKey))
        return expected;
    for (size_t k = 0; k < section.values.size(); ++k) {
        if (sameFolded(section.values[k].first, foldedKey))
            return k;
    }
    return NoKey;
}

void appendKey(std::string& out, const std::pair<std::string, std::string>& key)
{
    if (!endsWithLineBreak(out))
        out += LineBreak;
    out += key.first;
    out += '=';
    out += key.second;
    out += LineBreak;
}

}  // namespace

SettingsFile::SettingsFile(std::string bytes)
    : m_bytes(std::move(bytes))
{
    parse();
}

SettingsFileState SettingsFile::load(const std::string& path)
{
    m_bytes.clear();
    parse();
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return SettingsFileState::Missing;
    if (error || status.type() != std::filesystem::file_type::regular)
        return SettingsFileState::Unreadable;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return SettingsFileState::Unreadable;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return SettingsFileState::Unreadable;
    m_bytes = std::move(bytes);
    parse();
    return SettingsFileState::Loaded;
}

void SettingsFile::parse()
{
    m_lines.clear();
    m_blocks.clear();
    m_keys.clear();
    m_damaged = false;

    std::string_view rest(m_bytes);
    m_bodyStart = rest.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    rest.remove_prefix(m_bodyStart);
    m_blocks.push_back({"", false, 0, 0});
    m_lines.reserve(static_cast<size_t>(std::count(rest.begin(), rest.end(), LineBreak)) + 1);
    while (!rest.empty()) {
        const auto [length, breakLength] = lineLength(rest);
        Line line{rest.substr(0, length), LineKind::Other, {}, {}};
        const std::string_view content = rest.substr(0, length - breakLength);
        rest.remove_prefix(length);

        const std::string_view text = trimmed(content);
        if (content.find('\0') != std::string_view::npos) {
            line.kind = LineKind::Damaged;
            m_damaged = true;
        } else if (text.empty()) {
            line.kind = LineKind::Blank;
        } else if (text.front() == ';' || text.front() == '#') {
            line.kind = LineKind::Comment;
        } else if (text.front() == '[') {
            const size_t close = text.find(']');
            if (close != std::string_view::npos) {
                line.kind = LineKind::Section;
                line.name = folded(trimmed(text.substr(1, close - 1)));
                m_blocks.back().end = m_lines.size();
                m_blocks.push_back({line.name, true, m_lines.size(), 0});
                line.block = m_blocks.size() - 1;
            }
        } else if (const size_t equals = text.find('='); equals != std::string_view::npos) {
            const std::string_view key = trimmed(text.substr(0, equals));
            if (!key.empty()) {
                line.kind = LineKind::Key;
                line.name = folded(key);
                line.value = trimmed(text.substr(equals + 1));
                line.block = m_blocks.size() - 1;
                line.digest = keyDigest(m_blocks.back().name, line.name);
                m_keys.push_back({line.digest, m_lines.size()});
            }
        }
        m_lines.push_back(std::move(line));
    }
    m_blocks.back().end = m_lines.size();
    std::sort(m_keys.begin(), m_keys.end());
}

size_t SettingsFile::firstValue(std::string_view section, std::string_view key) const
{
    return firstValue(keyDigest(section, key), section, key);
}

size_t SettingsFile::firstValue(std::uint64_t digest, std::string_view section, std::string_view key) const
{
    for (auto entry = std::lower_bound(m_keys.begin(), m_keys.end(), KeyDigest{digest, 0});
         entry != m_keys.end() && entry->digest == digest; ++entry) {
        const Line& line = m_lines[entry->line];
        if (sameFolded(key, line.name) && sameFolded(section, m_blocks[line.block].name))
            return entry->line;
    }
    return NoLine;
}

std::optional<std::string> SettingsFile::value(std::string_view section, std::string_view key) const
{
    const size_t line = firstValue(section, key);
    if (line == NoLine)
        return std::nullopt;
    return std::string(m_lines[line].value);
}

const SettingsFile::Block* SettingsFile::firstBlock(const std::string& foldedName) const
{
    const auto block = std::find_if(m_blocks.begin(), m_blocks.end(),
                                    [&](const Block& b) { return b.hasHeader && b.name == foldedName; });
    return block == m_blocks.end() ? nullptr : &*block;
}

bool SettingsFile::isFirstValue(size_t line) const
{
    const Line& key = m_lines[line];
    return firstValue(key.digest, m_blocks[key.block].name, key.name) == line;
}

void SettingsFile::appendSection(std::string& out, const SectionValues& section, const Block* block) const
{
    out += '[';
    out += section.name;
    out += ']';
    out += LineBreak;
    size_t next = 0;
    if (block) {
        // Blank lines and comments wait for the key they stand above.
        std::string pending;
        for (size_t l = block->first + 1; l < block->end; ++l) {
            const Line& line = m_lines[l];
            if (line.kind == LineKind::Blank || line.kind == LineKind::Comment) {
                pending += line.text;
                continue;
            }
            if (line.kind != LineKind::Key || !isFirstValue(l))
                continue;
            const size_t k = keyIndex(section, line.name, next);
            if (k == NoKey || k < next)
                continue;
            for (; next < k; ++next)
                appendKey(out, section.values[next]);
            out += pending;
            pending.clear();
            appendKey(out, section.values[k]);
            next = k + 1;
        }
        for (; next < section.values.size(); ++next)
            appendKey(out, section.values[next]);
        out += pending;
        return;
    }
    for (const auto& key : section.values)
        appendKey(out, key);
}

std::string SettingsFile::rewritten(const std::vector<SectionValues>& sections) const
{
    // Each section keeps its first block while those blocks follow the
    // sections' order.
    std::vector<const Block*> anchors(sections.size(), nullptr);
    std::vector<std::string> names;
    const Block* last = nullptr;
    for (size_t i = 0; i < sections.size(); ++i) {
        names.push_back(folded(sections[i].name));
        const Block* block = firstBlock(names.back());
        if (block && (!last || block > last)) {
            anchors[i] = block;
            last = block;
        }
    }

    std::string out = m_bytes.substr(0, m_bodyStart);
    size_t next = 0;
    const auto appendNew = [&] {
        separate(out, m_bodyStart);
        appendSection(out, sections[next], nullptr);
        ++next;
    };
    for (const Block& block : m_blocks) {
        const bool owned = block.hasHeader && std::find(names.begin(), names.end(), block.name) != names.end();
        if (!owned) {
            for (size_t l = block.first; l < block.end; ++l)
                out += m_lines[l].text;
            continue;
        }
        const auto anchor = std::find(anchors.begin(), anchors.end(), &block);
        if (anchor == anchors.end())
            continue;  // a repeated or misplaced block of a section written elsewhere
        const size_t index = static_cast<size_t>(anchor - anchors.begin());
        const bool afterNew = next < index;
        while (next < index)
            appendNew();
        if (afterNew)
            separate(out, m_bodyStart);
        appendSection(out, sections[index], &block);
        next = index + 1;
    }
    while (next < sections.size())
        appendNew();
    return out;
}

bool SettingsFile::losesData(const std::vector<SectionValues>& sections) const
{
    if (m_damaged)
        return true;
    for (const SectionValues& section : sections) {
        const std::string name = folded(section.name);
        for (const Block& block : m_blocks) {
            if (!block.hasHeader || block.name != name)
                continue;
            size_t expected = 0;
            for (size_t l = block.first + 1; l < block.end; ++l) {
                const Line& line = m_lines[l];
                if (line.kind == LineKind::Blank || line.kind == LineKind::Comment)
                    continue;
                if (line.kind != LineKind::Key || !isFirstValue(l))
                    return true;
                const size_t k = keyIndex(section, line.name, expected);
                if (k == NoKey || section.values[k].second != line.value)
                    return true;
                expected = k + 1;
            }
        }
    }
    return false;
}

}  // namespace tiplark
