#include "storage/SettingsFile.h"

#include "storage/ValueQuoting.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tiplark {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view NewFileLineBreak = "\r\n";
constexpr size_t NoKey = static_cast<size_t>(-1);
constexpr size_t NoLine = static_cast<size_t>(-1);
constexpr size_t NoSection = static_cast<size_t>(-1);

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
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

bool sameFolded(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldedChar(x) == foldedChar(y); });
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
    return !text.empty() && isBreak(text.back());
}

// Length of the line at the start of `text` with its line break, and of the break alone.
std::pair<size_t, size_t> lineLength(std::string_view text)
{
    const auto end = std::find_if(text.begin(), text.end(), isBreak);
    if (end == text.end())
        return {text.size(), 0};
    const auto stop = static_cast<size_t>(end - text.begin());
    const size_t breakLength = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n' ? 2 : 1;
    return {stop + breakLength, breakLength};
}

std::string_view withoutBreak(std::string_view line)
{
    while (endsWithLineBreak(line))
        line.remove_suffix(1);
    return line;
}

// The index of the key in `section`, tried first at `expected`: a file the
// program wrote holds the keys in the section's order.
size_t keyIndex(const SectionValues& section, std::string_view key, size_t expected)
{
    if (expected < section.values.size() && sameFolded(section.values[expected].first, key))
        return expected;
    for (size_t k = 0; k < section.values.size(); ++k) {
        if (sameFolded(section.values[k].first, key))
            return k;
    }
    return NoKey;
}

// Reads a regular file whole, refusing one above `limit` before reading it.
// A FIFO or device must not block the load, hence O_NONBLOCK until fstat
// has shown a regular file.
SettingsFileState readRegularFile(const std::string& path, size_t limit, std::string& bytes, struct stat& info)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? SettingsFileState::Missing : SettingsFileState::Unreadable;
    SettingsFileState state = SettingsFileState::Loaded;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        state = SettingsFileState::Unreadable;
    else if (static_cast<std::uint64_t>(info.st_size) > limit)
        state = SettingsFileState::TooLarge;
    else {
        bytes.resize(static_cast<size_t>(info.st_size));
        size_t got = 0;
        // A file that grows while it is read is read up to the limit and one byte more.
        while (state == SettingsFileState::Loaded) {
            if (got == bytes.size())
                bytes.resize(std::min(limit + 1, std::max<size_t>(bytes.size() * 2, 4096)));
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                state = SettingsFileState::Unreadable;
            else if (n == 0)
                break;
            else
                got += static_cast<size_t>(n);
            if (got > limit)
                state = SettingsFileState::TooLarge;
        }
        bytes.resize(got);
        ::fstat(fd, &info);
    }
    ::close(fd);
    return state;
}

}  // namespace

SettingsFile::SettingsFile(std::string bytes)
    : m_bytes(std::move(bytes))
{
    parse();
}

SettingsFileState SettingsFile::load(const std::string& path)
{
    std::string bytes;
    struct stat info {};
    m_state = readRegularFile(path, MaximumSize, bytes, info);
    m_bytes = m_state == SettingsFileState::Loaded ? std::move(bytes) : std::string();
    m_stamp = m_state == SettingsFileState::Loaded ? fileStamp(info, m_bytes) : FileStamp();
    parse();
    return m_state;
}

std::string_view SettingsFile::text(const Line& line) const
{
    return std::string_view(m_bytes).substr(line.begin, line.end - line.begin);
}

std::string_view SettingsFile::name(const Block& block) const
{
    return std::string_view(m_bytes).substr(block.nameBegin, block.nameLength);
}

std::string_view SettingsFile::keyName(const Line& line) const
{
    const std::string_view content = trimmed(withoutBreak(text(line)));
    return trimmed(content.substr(0, content.find('=')));
}

std::string_view SettingsFile::keyValue(const Line& line) const
{
    const std::string_view content = trimmed(withoutBreak(text(line)));
    return trimmed(content.substr(content.find('=') + 1));
}

// One line as the scan finds it.
struct SettingsFile::ScannedLine {
    std::uint32_t begin;
    std::uint32_t end;  // after its line break
    LineKind kind;
    bool opensBlock;    // a header, good or broken
    BlockKind block;    // the kind of block it opens
    bool trailingText;  // after a good header's "]"
    std::string_view name;  // a good header's section name, or a key's name
};

template <typename Visit>
void SettingsFile::scan(Visit&& visit) const
{
    const std::string_view bytes(m_bytes);
    bool damaged = false;  // within the lines of a broken header
    for (size_t at = m_bodyStart; at < bytes.size();) {
        const auto [length, breakLength] = lineLength(bytes.substr(at));
        ScannedLine scanned{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(at + length),
                            LineKind::Other, false, BlockKind::Section, false, {}};
        const std::string_view content = bytes.substr(at, length - breakLength);
        at += length;

        const std::string_view line = trimmed(content);
        const bool nul = content.find('\0') != std::string_view::npos;
        const size_t close = line.starts_with('[') ? line.find(']') : std::string_view::npos;
        if (line.starts_with('[') && (nul || close == std::string_view::npos)) {
            scanned.opensBlock = true;
            scanned.block = BlockKind::Damaged;
            damaged = true;
        } else if (damaged && !line.starts_with('[')) {
            // Other, as every line up to the next good header
        } else if (nul) {
            scanned.kind = LineKind::Damaged;
        } else if (line.empty()) {
            scanned.kind = LineKind::Blank;
        } else if (line.front() == ';' || line.front() == '#') {
            scanned.kind = LineKind::Comment;
        } else if (close != std::string_view::npos) {
            scanned.kind = LineKind::Section;
            scanned.opensBlock = true;
            scanned.trailingText = !trimmed(line.substr(close + 1)).empty();
            scanned.name = trimmed(line.substr(1, close - 1));
            damaged = false;
        } else if (const size_t equals = line.find('=');
                   equals != std::string_view::npos && !trimmed(line.substr(0, equals)).empty()) {
            scanned.kind = LineKind::Key;
            scanned.name = trimmed(line.substr(0, equals));
        }
        visit(scanned);
    }
}

namespace {

// Lines that nothing looks up one by one join the record before them.
template <typename Kind>
bool continuesRun(Kind kind, Kind previous, bool opensBlock)
{
    return !opensBlock && kind == previous && kind != Kind::Section && kind != Kind::Key;
}

}  // namespace

void SettingsFile::parse()
{
    m_lines.clear();
    m_blocks.clear();
    m_keys.clear();

    const std::string_view bytes(m_bytes);
    m_bodyStart = bytes.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    m_blocks.push_back({BlockKind::TopLevel, false, 0, 0, 0, 0});
    if (bytes.size() > MaximumSize)
        return;

    // Counted first, the arrays are filled at their final size: growing them
    // would hold an old and a new copy at once.
    size_t lines = 0;
    size_t blocks = 1;
    size_t keys = 0;
    LineKind previous = LineKind::Section;
    scan([&](const ScannedLine& line) {
        blocks += line.opensBlock ? 1 : 0;
        if (continuesRun(line.kind, previous, line.opensBlock))
            return;
        ++lines;
        keys += line.kind == LineKind::Key ? 1 : 0;
        previous = line.kind;
    });
    m_lines.reserve(lines);
    m_blocks.reserve(blocks);
    m_keys.reserve(keys);

    previous = LineKind::Section;
    scan([&](const ScannedLine& line) {
        const auto index = static_cast<std::uint32_t>(m_lines.size());
        if (continuesRun(line.kind, previous, line.opensBlock)) {
            m_lines.back().end = line.end;
            return;
        }
        if (line.opensBlock) {
            m_blocks.back().end = index;
            const auto nameBegin = line.block == BlockKind::Section ? line.name.data() - bytes.data() : 0;
            m_blocks.push_back({line.block, line.trailingText, index, 0, static_cast<std::uint32_t>(nameBegin),
                                static_cast<std::uint32_t>(line.name.size())});
        }
        if (line.kind == LineKind::Key)
            m_keys.push_back({keyDigest(name(m_blocks.back()), line.name), index});
        m_lines.push_back({line.begin, line.end, static_cast<std::uint32_t>(m_blocks.size() - 1), line.kind});
        previous = line.kind;
    });
    m_blocks.back().end = static_cast<std::uint32_t>(m_lines.size());
    std::sort(m_keys.begin(), m_keys.end());
}

std::string_view SettingsFile::lineBreak() const
{
    const std::string_view body = std::string_view(m_bytes).substr(m_bodyStart);
    const auto [length, breakLength] = lineLength(body);
    return breakLength == 0 ? NewFileLineBreak : body.substr(length - breakLength, breakLength);
}

size_t SettingsFile::firstValue(std::uint64_t digest, std::string_view section, std::string_view key) const
{
    for (auto entry = std::lower_bound(m_keys.begin(), m_keys.end(), KeyDigest{digest, 0});
         entry != m_keys.end() && entry->digest == digest; ++entry) {
        const Line& line = m_lines[entry->line];
        if (sameFolded(key, keyName(line)) && sameFolded(section, name(m_blocks[line.block])))
            return entry->line;
    }
    return NoLine;
}

std::optional<std::string> SettingsFile::value(std::string_view section, std::string_view key) const
{
    const size_t line = firstValue(keyDigest(section, key), section, key);
    if (line == NoLine)
        return std::nullopt;
    return unquotedValue(keyValue(m_lines[line]));
}

bool SettingsFile::isFirstValue(size_t line) const
{
    const std::string_view section = name(m_blocks[m_lines[line].block]);
    const std::string_view key = keyName(m_lines[line]);
    return firstValue(keyDigest(section, key), section, key) == line;
}

size_t SettingsFile::owner(const Block& block, const std::vector<SectionValues>& sections) const
{
    if (block.kind != BlockKind::Section)
        return NoSection;
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [&](const SectionValues& s) { return sameFolded(s.name, name(block)); });
    return found == sections.end() ? NoSection : static_cast<size_t>(found - sections.begin());
}

std::vector<const SettingsFile::Block*> SettingsFile::anchors(const std::vector<SectionValues>& sections) const
{
    // Each section keeps its first block while those blocks follow the
    // sections' order.
    std::vector<const Block*> first(sections.size(), nullptr);
    for (const Block& block : m_blocks) {
        const size_t index = owner(block, sections);
        if (index != NoSection && !first[index])
            first[index] = &block;
    }
    std::vector<const Block*> anchors(sections.size(), nullptr);
    const Block* last = nullptr;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (first[i] && (!last || first[i] > last)) {
            anchors[i] = first[i];
            last = first[i];
        }
    }
    return anchors;
}

void SettingsFile::separate(std::string& out) const
{
    // A section the file did not hold starts after two empty lines, as in the
    // files the program writes itself.
    if (out.size() == m_bodyStart)
        return;
    if (!endsWithLineBreak(out))
        out += lineBreak();
    out += lineBreak();
    out += lineBreak();
}

void SettingsFile::appendKey(std::string& out, const std::pair<std::string, std::string>& key) const
{
    if (!endsWithLineBreak(out))
        out += lineBreak();
    out += key.first;
    out += '=';
    out += quotedValue(key.second);
    out += lineBreak();
}

void SettingsFile::appendSection(std::string& out, const SectionValues& section, const Block* block) const
{
    out += '[';
    out += section.name;
    out += ']';
    out += lineBreak();
    size_t next = 0;
    if (block) {
        // Blank lines and comments wait for the key they stand above.
        std::string pending;
        for (size_t l = block->first + 1; l < block->end; ++l) {
            const Line& line = m_lines[l];
            if (line.kind == LineKind::Blank || line.kind == LineKind::Comment) {
                pending += text(line);
                continue;
            }
            if (line.kind != LineKind::Key || !isFirstValue(l))
                continue;
            const size_t k = keyIndex(section, keyName(line), next);
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
    const std::vector<const Block*> placed = anchors(sections);
    std::string out = m_bytes.substr(0, m_bodyStart);
    size_t next = 0;
    const auto appendNew = [&] {
        separate(out);
        appendSection(out, sections[next], nullptr);
        ++next;
    };
    for (const Block& block : m_blocks) {
        if (block.kind == BlockKind::Damaged)
            continue;
        if (owner(block, sections) == NoSection) {
            for (size_t l = block.first; l < block.end; ++l)
                out += text(m_lines[l]);
            continue;
        }
        const auto anchor = std::find(placed.begin(), placed.end(), &block);
        if (anchor == placed.end())
            continue;  // a repeated or misplaced block of a section written elsewhere
        const auto index = static_cast<size_t>(anchor - placed.begin());
        const bool afterNew = next < index;
        while (next < index)
            appendNew();
        if (afterNew)
            separate(out);
        appendSection(out, sections[index], &block);
        next = index + 1;
    }
    while (next < sections.size())
        appendNew();
    return out;
}

bool SettingsFile::loses(const std::vector<SectionValues>& sections, bool compareValues) const
{
    const std::vector<const Block*> placed = anchors(sections);
    for (const Block& block : m_blocks) {
        if (block.kind == BlockKind::Damaged)
            return true;
        const size_t index = owner(block, sections);
        if (index == NoSection)
            continue;
        if (block.trailingText)
            return true;
        const bool anchor = placed[index] == &block;
        const SectionValues& section = sections[index];
        size_t expected = 0;
        for (size_t l = block.first + 1; l < block.end; ++l) {
            const Line& line = m_lines[l];
            if (line.kind == LineKind::Blank || (line.kind == LineKind::Comment && anchor))
                continue;
            if (line.kind != LineKind::Key || !isFirstValue(l))
                return true;
            const size_t k = keyIndex(section, keyName(line), expected);
            if (k == NoKey || (compareValues && section.values[k].second != unquotedValue(keyValue(line))))
                return true;
            expected = k + 1;
        }
    }
    return false;
}

bool SettingsFile::dropsLines(const std::vector<SectionValues>& sections) const
{
    return loses(sections, false);
}

bool SettingsFile::losesData(const std::vector<SectionValues>& sections) const
{
    return loses(sections, true);
}

std::uint64_t SettingsFile::rewrittenPartDigest(const std::vector<SectionValues>& sections) const
{
    // Every line counts as its text and one LF, so that a file written with
    // other line breaks, or without the last one, has the same digest.
    std::string part;
    for (const Block& block : m_blocks) {
        if (block.kind != BlockKind::Damaged && owner(block, sections) == NoSection)
            continue;
        for (size_t l = block.first; l < block.end; ++l) {
            std::string_view rest = text(m_lines[l]);
            while (!rest.empty()) {
                const auto [length, breakLength] = lineLength(rest);
                part += rest.substr(0, length - breakLength);
                part += '\n';
                rest.remove_prefix(length);
            }
        }
    }
    return contentDigest(part);
}

}  // namespace tiplark
