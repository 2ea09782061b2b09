#include "windows/AccessibleNames.h"

#include "i18n/LanguageTables.h"
#include "i18n/TournamentNames.h"

#include <array>

namespace tiplark {
namespace {

constexpr std::array<const char*, StandingsColumnCount> ColumnWords = {
    "a11y.points", "a11y.played", "a11y.won", "a11y.tied", "a11y.lost", "a11y.goalsFor", "a11y.goalsAgainst",
    "a11y.goalDifference"};

// The thirds table's cells: points, goal difference, goals.
constexpr std::array<const char*, 3> ThirdsCellWords = {"a11y.points", "a11y.goalDifference", "a11y.goalsFor"};

}  // namespace

AccessibleNames::AccessibleNames(const Board& board, const BoardControls& controls, const Tournament& tournament,
                                 std::function<int()> language)
    : m_board(board)
    , m_tournament(tournament)
    , m_language(std::move(language))
    , m_namers(static_cast<size_t>(board.size()))
    , m_dependents(static_cast<size_t>(board.size()))
{
    for (const GroupControls& group : controls.groups)
        nameGroup(group);
    for (const RoundControls& round : controls.rounds)
        nameRound(round, round.round);
    for (const ThirdsControls& thirds : controls.thirds) {
        nameThirds(thirds);
        nameLevelMark(thirds.levelMark, thirds.heading);
    }
    set(controls.champion, [this, id = controls.champion] { return word("a11y.champion").arg(team(id)); },
        {controls.champion});
}

QString AccessibleNames::nameOf(ControlId id) const
{
    const Namer& namer = m_namers[static_cast<size_t>(id)];
    return namer ? namer() : QString();
}

QString AccessibleNames::word(const char* key) const
{
    return QString::fromStdString(languageText(m_language(), key));
}

void AccessibleNames::set(ControlId id, Namer namer, std::initializer_list<ControlId> quoted)
{
    m_namers[static_cast<size_t>(id)] = std::move(namer);
    for (const ControlId label : quoted)
        m_dependents[static_cast<size_t>(label)].push_back(id);
}

void AccessibleNames::nameClearButton(ControlId button, ControlId heading)
{
    // In the board's language: the button's hint and its panel's heading,
    // "Clear scores: Group A". The hint is given when a language is applied.
    set(button, [this, button, heading] {
        const std::string& hint = m_board.control(button).hint;
        return QString::fromStdString(hint.empty() ? languageText(m_language(), "hint.clearScores") : hint)
               + QStringLiteral(": ") + text(heading);
    }, {button, heading});
}

void AccessibleNames::nameLevelMark(ControlId mark, ControlId heading)
{
    // The table's heading and the mark's hint, which names the level teams,
    // what ordered them and what the button does: "Group H: Senegal = Japan: …".
    set(mark, [this, mark, heading] {
        QString hint = QString::fromStdString(m_board.control(mark).hint);
        hint.replace(QLatin1Char('\r'), QLatin1Char(' '));
        return QString::fromStdString(m_board.text(heading)) + QStringLiteral(": ") + hint;
    }, {mark, heading});
}

QString AccessibleNames::team(ControlId label) const
{
    const std::string& name = m_board.text(label);
    return name == Placeholder ? word("a11y.openSlot") : QString::fromStdString(name);
}

void AccessibleNames::nameGroup(const GroupControls& group)
{
    // The group's heading, "Group A", in the board's language.
    const ControlId heading = group.heading;
    set(group.panel, [this, heading] { return word("a11y.groupMatches").arg(text(heading)); }, {heading});
    nameClearButton(group.clearButton, group.heading);
    for (size_t m = 0; m < group.label.size(); ++m) {
        const auto labels = group.label[m];
        for (size_t side = 0; side < 2; ++side) {
            set(group.score[m][side],
                [this, labels, side] {
                    return team(labels[0]) + QStringLiteral(" – ") + team(labels[1]) + QStringLiteral(", ")
                           + word("a11y.goalsOf").arg(team(labels[side]));
                },
                {labels[0], labels[1]});
        }
    }

    set(group.standingsPanel, [this, heading] { return word("a11y.groupTable").arg(text(heading)); }, {heading});
    if (group.levelMark != NoControl)
        nameLevelMark(group.levelMark, group.standingsHeading);
    for (size_t row = 0; row < group.name.size(); ++row) {
        const auto place = [this, heading, row] { return word("a11y.row").arg(text(heading)).arg(row + 1); };
        set(group.name[row], [this, place, id = group.name[row]] { return place() + QStringLiteral(", ") + team(id); },
            {group.name[row], heading});
        for (size_t c = 0; c < StandingsColumnCount; ++c)
            set(group.cell[row][c], [this, place, c] { return place() + QStringLiteral(", ") + word(ColumnWords[c]); },
                {heading});
    }
}

void AccessibleNames::nameRound(const RoundControls& round, int index)
{
    const auto title = [this, index] { return QString::fromStdString(roundName(m_language(), m_tournament, index)); };
    set(round.panel, title);
    nameClearButton(round.clearButton, round.heading);
    const bool numbered = round.matches.size() > 1;
    for (size_t m = 0; m < round.matches.size(); ++m) {
        const MatchControls& match = round.matches[m];
        const auto labels = match.label;
        const auto pairing = [this, title, numbered, m, labels] {
            const QString prefix = numbered ? title() + QStringLiteral(", ") + word("a11y.match").arg(m + 1) : title();
            return prefix + QStringLiteral(": ") + team(labels[0]) + QStringLiteral(" – ") + team(labels[1]);
        };
        for (size_t side = 0; side < 2; ++side) {
            set(match.score[side], [this, pairing, labels, side] {
                return pairing() + QStringLiteral(", ") + word("a11y.goalsOf").arg(team(labels[side]));
            }, {labels[0], labels[1]});
            set(match.penalty[side], [this, pairing, labels, side] {
                return pairing() + QStringLiteral(", ") + word("a11y.penaltiesOf").arg(team(labels[side]));
            }, {labels[0], labels[1]});
        }
    }
}

void AccessibleNames::nameThirds(const ThirdsControls& thirds)
{
    // "Best third-placed teams, place 3: Japan, group F, goes through
    // against the winner of group E"; each cell names its row's team.
    const ControlId heading = thirds.heading;
    set(thirds.panel, [this, heading] { return text(heading); }, {heading});
    for (size_t row = 0; row < thirds.rows.size(); ++row) {
        const ThirdsControls::Row& line = thirds.rows[row];
        const auto place = [this, heading, row, name = line.name] {
            return word("a11y.thirdsPlace").arg(text(heading)).arg(row + 1) + QStringLiteral(": ") + text(name);
        };
        const auto verdict = [this, opponent = line.opponent] {
            const QString meets = text(opponent);
            return meets.isEmpty() ? word("a11y.thirdsOut") : word("a11y.thirdsThrough").arg(meets.mid(1));
        };
        set(line.name, [this, place, verdict, group = line.group] {
            return place() + QStringLiteral(", ") + word("a11y.group").arg(text(group)) + QStringLiteral(", ") + verdict();
        }, {line.name, line.group, line.opponent, heading});
        set(line.group, [this, place, group = line.group] {
            return place() + QStringLiteral(", ") + word("a11y.group").arg(text(group));
        }, {line.name, line.group, heading});
        // Labels rather than boxes: their names say their values too.
        for (size_t c = 0; c < line.cell.size(); ++c)
            set(line.cell[c], [this, place, c, cell = line.cell[c]] {
                return place() + QStringLiteral(", ") + word(ThirdsCellWords[c]) + QStringLiteral(" ") + text(cell);
            }, {line.name, line.cell[c], heading});
        set(line.opponent, [place, verdict] { return place() + QStringLiteral(", ") + verdict(); },
            {line.name, line.opponent, heading});
    }
}

}  // namespace tiplark
