#include "tournament/BoardControls.h"

#include "platform/ScoreText.h"

#include <algorithm>
#include <string>

namespace tiplark {
namespace {

ControlId addScoreBox(Board& board, std::string name, ControlId panel)
{
    const ControlId id = board.add(std::move(name), ControlKind::Edit, panel);
    board.setMaxLength(id, ScoreLength);
    return id;
}

ControlId addLabel(Board& board, std::string name, ControlId panel, std::string_view text)
{
    const ControlId id = board.add(std::move(name), ControlKind::Label, panel);
    board.setText(id, text);
    return id;
}

ControlId addButton(Board& board, std::string name, ControlId panel, std::string_view caption)
{
    const ControlId id = board.add(std::move(name), ControlKind::Button, panel);
    board.setText(id, caption);
    return id;
}

std::array<int, TeamsPerGroup> alphabetical(const GroupInfo& group)
{
    std::array<int, TeamsPerGroup> teams = group.resetOrder;
    std::sort(teams.begin(), teams.end());
    return teams;
}

GroupControls buildGroup(Board& board, const GroupInfo& info)
{
    const std::string g = std::string("G") + info.letter;
    const std::string letter(1, info.letter);
    GroupControls group{};

    group.panel = board.add("GroupPanel" + letter, ControlKind::Panel);
    group.heading = addLabel(board, "Group" + letter + "Lbl", group.panel, "Group " + letter);
    group.clearButton = addButton(board, "Group" + letter + "DelButton", group.panel, "x");
    for (int m = 0; m < MatchesPerGroup; ++m) {
        for (int side = 0; side < 2; ++side) {
            const int team = info.fixtureTeams[static_cast<size_t>(FixturePairs[static_cast<size_t>(m)][static_cast<size_t>(side)])];
            group.label[m][side] = addLabel(board, groupLabelName(info.letter, m + 1, side + 1), group.panel, englishTeamName(team));
            group.score[m][side] = addScoreBox(board, groupScoreName(info.letter, m + 1, side + 1), group.panel);
        }
    }

    group.standingsPanel = board.add("GPStand" + letter, ControlKind::Panel);
    group.standingsHeading = addLabel(board, "Group" + letter + "StandLbl", group.standingsPanel, "Group " + letter);
    for (int c = 0; c < StandingsColumnCount; ++c)
        group.columnHeading[c] = addLabel(board, g + StandingsColumns[c] + "Lbl", group.standingsPanel, StandingsDesignCaptions[c]);
    const auto teams = alphabetical(info);
    for (int row = 0; row < TeamsPerGroup; ++row) {
        const std::string r = std::to_string(row + 1);
        group.rowNumber[row] = addLabel(board, g + "Row" + r + "Lbl", group.standingsPanel, r + ".");
        group.name[row] = addLabel(board, standingsNameLabel(info.letter, row + 1), group.standingsPanel, englishTeamName(teams[row]));
        board.setBold(group.name[row], row < 2);
        for (int c = 0; c < StandingsColumnCount; ++c) {
            const ControlId cell = addScoreBox(board, g + StandingsColumns[c] + r, group.standingsPanel);
            board.setReadOnly(cell, true);
            board.setTabStop(cell, false);
            group.cell[row][c] = cell;
        }
    }
    return group;
}

RoundControls buildRound(Board& board, Round round)
{
    const RoundInfo& info = rounds()[static_cast<size_t>(round)];
    const std::string prefix = info.prefix;
    const bool firstRound = round == Round::Final8;
    const bool isFinal = round == Round::Final;
    RoundControls controls{};

    controls.panel = board.add(info.panel, ControlKind::Panel);
    controls.heading = addLabel(board, prefix + "Lbl", controls.panel, "");
    controls.penaltyHeading = addLabel(board, prefix + "PKLbl", controls.panel, "Pen.");
    controls.clearButton = addButton(board, prefix + "DelButton", controls.panel, "x");
    // The third place and the final show their penalty mode by this label.
    if (round == Round::Third || isFinal)
        board.setEnabled(controls.penaltyHeading, false);

    for (int m = 0; m < info.matchCount; ++m) {
        MatchControls match{};
        for (int side = 0; side < 2; ++side) {
            match.label[side] = addLabel(board, knockoutLabelName(round, m + 1, side + 1), controls.panel, Placeholder);
            match.score[side] = addScoreBox(board, knockoutScoreName(round, m + 1, side + 1), controls.panel);
            match.penalty[side] = addScoreBox(board, knockoutPenaltyName(round, m + 1, side + 1), controls.panel);
            board.setVisible(match.penalty[side], false);
            if (!firstRound) {
                board.setEnabled(match.label[side], false);
                board.setEnabled(match.score[side], false);
            }
            if (isFinal)
                board.setBold(match.label[side], true);
        }
        controls.matches.push_back(match);
    }
    return controls;
}

}  // namespace

std::array<ControlId, 2> BoardControls::matchLabels(int match) const
{
    const MatchPlace place = matchPlace(match - 1);
    if (place.group >= 0)
        return groups[static_cast<size_t>(place.group)].label[static_cast<size_t>(place.match)];
    return round(place.round).matches[static_cast<size_t>(place.match)].label;
}

BoardControls buildMainBoard(Board& board)
{
    BoardControls controls{};
    for (int g = 0; g < GroupCount; ++g) {
        controls.groups[g] = buildGroup(board, groups()[static_cast<size_t>(g)]);
        if (g == 3)
            controls.panel21 = board.add("Panel21", ControlKind::Panel);
    }
    for (int r = 0; r < RoundCount; ++r)
        controls.rounds[r] = buildRound(board, static_cast<Round>(r));

    const char* roundHeadings[RoundCount] = {"1/8 finals", "1/4 finals", "1/2 finals", "3rd Place", "Final"};
    for (int r = 0; r < RoundCount; ++r)
        board.setText(controls.rounds[r].heading, roundHeadings[r]);

    // The round of 16 starts from the alphabetical design tables.
    const RoundControls& final8 = controls.round(Round::Final8);
    for (const GroupInfo& group : groups()) {
        const auto teams = alphabetical(group);
        board.setText(final8.matches[group.winnerMatch].label[group.winnerSide], englishTeamName(teams[0]));
        board.setText(final8.matches[group.runnerUpMatch].label[group.runnerUpSide], englishTeamName(teams[1]));
    }

    controls.championHeading = addLabel(board, "ChampionLbl", NoControl, "Champion:");
    controls.champion = addLabel(board, "Champion", NoControl, Placeholder);
    board.setBold(controls.champion, true);
    board.setColour(controls.champion, TextColour::Red);
    controls.saveButton = addButton(board, "SaveButton", NoControl, "&Save");
    controls.okButton = addButton(board, "OKButton", NoControl, "&Exit");
    controls.cancelButton = addButton(board, "CancelButton", NoControl, "&Cancel");
    board.setVisible(controls.cancelButton, false);
    controls.clearAllButton = addButton(board, "ClearAllButton", NoControl, "&Clear All");
    return controls;
}

}  // namespace tiplark
