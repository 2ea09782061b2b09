#include "windows/AccessibleNames.h"

#include "tournament/BoardControls.h"
#include "i18n/LanguageTables.h"
#include "tournament/TournamentData.h"

#include <array>

namespace tiplark {
namespace {

constexpr std::array<const char*, StandingsColumnCount> ColumnWords = {
    "points", "played", "won", "tied", "lost", "goals for", "goals against", "goal difference"};

// Round titles for the screen reader; the board's headings are abbreviations.
constexpr std::array<const char*, RoundCount> RoundTitles = {
    "Round of 16", "Quarter-finals", "Semi-finals", "Match for third place", "Final"};

}  // namespace

AccessibleNames::AccessibleNames(const Board& board, const BoardControls& controls)
    : m_board(board)
    , m_namers(static_cast<size_t>(board.size()))
    , m_dependents(static_cast<size_t>(board.size()))
{
    for (int g = 0; g < GroupCount; ++g)
        nameGroup(controls.groups[g], QStringLiteral("Group ") + QLatin1Char(groups()[static_cast<size_t>(g)].letter));
    for (int r = 0; r < RoundCount; ++r)
        nameRound(controls.rounds[r], QString::fromLatin1(RoundTitles[static_cast<size_t>(r)]));
    for (const ThirdsControls& thirds : controls.thirds)
        nameLevelMark(thirds.levelMark, thirds.heading);
    set(controls.champion, [this, id = controls.champion] { return QStringLiteral("Champion: ") + team(id); },
        {controls.champion});
}

QString AccessibleNames::nameOf(ControlId id) const
{
    const Namer& namer = m_namers[static_cast<size_t>(id)];
    return namer ? namer() : QString();
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
        return QString::fromStdString(hint.empty() ? languageText(LanguageEnglish, "hint.clearScores") : hint)
               + QStringLiteral(": ") + QString::fromStdString(m_board.text(heading));
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
    const std::string& text = m_board.text(label);
    return text == Placeholder ? QStringLiteral("open slot") : QString::fromStdString(text);
}

void AccessibleNames::nameGroup(const GroupControls& group, const QString& title)
{
    set(group.panel, [title] { return title + QStringLiteral(" matches"); });
    nameClearButton(group.clearButton, group.heading);
    for (int m = 0; m < MatchesPerGroup; ++m) {
        const auto& labels = group.label[m];
        for (int side = 0; side < 2; ++side) {
            set(group.score[m][side],
                [this, labels, side] {
                    return team(labels[0]) + QStringLiteral(" – ") + team(labels[1]) + QStringLiteral(", goals of ")
                        + team(labels[side]);
                },
                {labels[0], labels[1]});
        }
    }

    set(group.standingsPanel, [title] { return title + QStringLiteral(" table"); });
    if (group.levelMark != NoControl)
        nameLevelMark(group.levelMark, group.standingsHeading);
    for (int row = 0; row < TeamsPerGroup; ++row) {
        const QString place = title + QStringLiteral(", row ") + QString::number(row + 1);
        set(group.name[row], [this, place, id = group.name[row]] { return place + QStringLiteral(", ") + team(id); },
            {group.name[row]});
        for (int c = 0; c < StandingsColumnCount; ++c) {
            const QString cell = place + QStringLiteral(", ") + QString::fromLatin1(ColumnWords[static_cast<size_t>(c)]);
            set(group.cell[row][c], [cell] { return cell; });
        }
    }
}

void AccessibleNames::nameRound(const RoundControls& round, const QString& title)
{
    set(round.panel, [title] { return title; });
    nameClearButton(round.clearButton, round.heading);
    const bool numbered = round.matches.size() > 1;
    for (size_t m = 0; m < round.matches.size(); ++m) {
        const MatchControls& match = round.matches[m];
        const QString prefix = numbered ? title + QStringLiteral(", match ") + QString::number(m + 1) + QStringLiteral(": ")
                                        : title + QStringLiteral(": ");
        const auto labels = match.label;
        for (int side = 0; side < 2; ++side) {
            const auto pairing = [this, prefix, labels] {
                return prefix + team(labels[0]) + QStringLiteral(" – ") + team(labels[1]);
            };
            set(match.score[side], [this, pairing, labels, side] {
                return pairing() + QStringLiteral(", goals of ") + team(labels[side]);
            }, {labels[0], labels[1]});
            set(match.penalty[side], [this, pairing, labels, side] {
                return pairing() + QStringLiteral(", penalty goals of ") + team(labels[side]);
            }, {labels[0], labels[1]});
        }
    }
}

}  // namespace tiplark
