#include "storage/PredictionsFile.h"

#include "storage/SettingValues.h"

#include <stdexcept>

namespace tiplark {
namespace {

constexpr const char* FirstTimeKey = "FirstTime";

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

bool inRange(const PredictionKey& key, double value)
{
    return value >= key.minimum && value <= key.maximum;
}

std::string preferenceText(const PredictionKey& key, const Preferences& preferences)
{
    if (key.fixedText)
        return key.fixedText;
    return std::visit(
        Overloaded{
            [&](int Preferences::*field) { return std::to_string(preferences.*field); },
            [&](bool Preferences::*field) { return writeYesNo(preferences.*field); },
            [&](double Preferences::*field) { return writeReal(preferences.*field); },
            [&](std::string Preferences::*field) { return preferences.*field; },
            [](const auto&) { return std::string(); },
        },
        key.target);
}

std::string keyText(const PredictionKey& key, const Board& board, const Preferences& preferences)
{
    switch (key.kind) {
    case ValueKind::ScorePair: {
        const auto& boxes = std::get<ScoreBoxes>(key.target);
        return joinScorePair(board.text(boxes[0]), board.text(boxes[1]));
    }
    case ValueKind::Penalty:
        return board.text(std::get<ControlId>(key.target));
    default:
        return preferenceText(key, preferences);
    }
}

// Reads one preference; an absent or unreadable text, or one out of range,
// leaves the default of a fresh Preferences.
void readPreference(const PredictionKey& key, const SettingsFile& file, Preferences& preferences)
{
    static const Preferences defaults;
    const std::optional<std::string> text = file.value(key.section, key.name);
    std::visit(
        Overloaded{
            [&](int Preferences::*field) {
                const auto value = text ? readInteger(*text) : std::nullopt;
                preferences.*field = value && inRange(key, *value) ? *value : defaults.*field;
            },
            [&](bool Preferences::*field) {
                const auto value = text ? readYesNo(*text) : std::nullopt;
                preferences.*field = value.value_or(defaults.*field);
            },
            [&](double Preferences::*field) {
                const auto value = text ? readReal(*text) : std::nullopt;
                preferences.*field = value && inRange(key, *value) ? *value : defaults.*field;
            },
            [&](std::string Preferences::*field) { preferences.*field = text.value_or(defaults.*field); },
            [](const auto&) {},
        },
        key.target);
}

const PredictionKey& firstTimeKey(const std::vector<PredictionKey>& keys)
{
    for (const PredictionKey& key : keys) {
        if (key.section == PreferencesSection && key.name == FirstTimeKey)
            return key;
    }
    throw std::logic_error("no FirstTime key");
}

// One section's boxes: all score pairs first, then the penalty boxes, so that
// a level score has already shown a match's penalty boxes and each round's
// slots are filled by the previous round before its own boxes are set.
void loadSection(Board& board, const SettingsFile& file, std::vector<const PredictionKey*> keys)
{
    std::vector<ScorePair> pairs;
    for (const PredictionKey* key : keys) {
        if (key->kind == ValueKind::ScorePair)
            pairs.push_back(splitScorePair(file.value(key->section, key->name).value_or("")));
    }
    auto pair = pairs.begin();
    for (const PredictionKey* key : keys) {
        if (key->kind != ValueKind::ScorePair)
            continue;
        const auto& boxes = std::get<ScoreBoxes>(key->target);
        board.setText(boxes[0], acceptedScore(pair->first));
        board.setText(boxes[1], acceptedScore(pair->second));
        ++pair;
    }
    for (const PredictionKey* key : keys) {
        if (key->kind == ValueKind::Penalty)
            board.setText(std::get<ControlId>(key->target), acceptedScore(file.value(key->section, key->name).value_or("")));
    }
}

std::vector<SectionValues> sectionValues(const std::vector<PredictionKey>& keys, const Board& board,
                                        const Preferences& preferences)
{
    std::vector<SectionValues> sections;
    for (const PredictionKey& key : keys) {
        if (sections.empty() || sections.back().name != key.section)
            sections.push_back({key.section, {}});
        sections.back().values.emplace_back(key.name, keyText(key, board, preferences));
    }
    return sections;
}

}  // namespace

std::string predictionsFileText(const Board& board, const BoardControls& controls, const Preferences& preferences,
                                const SettingsFile& previous)
{
    return previous.rewritten(sectionValues(predictionKeys(controls), board, preferences));
}

PredictionsReader::PredictionsReader(const BoardControls& controls)
    : m_keys(predictionKeys(controls))
{
}

SettingsFileState PredictionsReader::open(const std::string& path)
{
    return m_file.load(path);
}

bool PredictionsReader::readFirstRun(Preferences& preferences) const
{
    readPreference(firstTimeKey(m_keys), m_file, preferences);
    preferences.teamNamesPending = preferences.firstRun;
    return preferences.firstRun;
}

void PredictionsReader::readPreferences(Preferences& preferences) const
{
    for (const PredictionKey& key : m_keys) {
        if (key.section == PreferencesSection && key.name != FirstTimeKey)
            readPreference(key, m_file, preferences);
    }
}

void PredictionsReader::fillBoxes(Board& board) const
{
    std::vector<const PredictionKey*> section;
    for (size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].section != PreferencesSection)
            section.push_back(&m_keys[i]);
        const bool sectionEnds = i + 1 == m_keys.size() || m_keys[i + 1].section != m_keys[i].section;
        if (sectionEnds && !section.empty()) {
            loadSection(board, m_file, section);
            section.clear();
        }
    }
}

bool PredictionsReader::losesData(const Board& board, const Preferences& preferences) const
{
    return m_file.losesData(sectionValues(m_keys, board, preferences));
}

}  // namespace tiplark
