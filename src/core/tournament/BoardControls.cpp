#include "tournament/BoardControls.h"

#include "platform/ScoreText.h"

#include <algorithm>
#include <stdexcept>
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

// An edit nobody sees or reaches: a value the rules and the file keep on the board.
ControlId addHiddenValue(Board& board, std::string name)
{
    const ControlId id = board.add(std::move(name), ControlKind::Edit);
    board.setVisible(id, false);
    board.setTabStop(id, false);
    return id;
}

// A table's mark of teams only the chosen or the default order separates:
// hidden until the rules find some.
ControlId addLevelMark(Board& board, std::string name, ControlId panel)
{
    const ControlId id = addButton(board, std::move(name), panel, "=");
    board.setVisible(id, false);
    return id;
}

// The rules list teams and scores the user cannot type: the order of level
// teams is chosen only where the ranking ends in what scores cannot decide.
bool choosesLevelOrder(const std::vector<Criterion>& ranking)
{
    for (const Criterion criterion : ranking) {
        if (criterionKind(criterion) == CriterionKind::Decided)
            return true;
    }
    return false;
}

const std::string& englishName(const Tournament& tournament, int team)
{
    const TournamentTeam& info = tournament.teams[static_cast<size_t>(team)];
    const auto own = info.names.find("en");
    return own != info.names.end() ? own->second : info.name;
}

std::string number(int value)
{
    return std::to_string(value);
}

GroupControls buildGroup(Board& board, const Tournament& tournament, int index)
{
    const TournamentGroup& info = tournament.groups[static_cast<size_t>(index)];
    const std::string letter(1, info.letter);
    const std::string g = "G" + letter;
    GroupControls group{};
    group.group = index;

    group.panel = board.add("GroupPanel" + letter, ControlKind::Panel);
    group.heading = addLabel(board, "Group" + letter + "Lbl", group.panel, "Group " + letter);
    group.clearButton = addButton(board, "Group" + letter + "DelButton", group.panel, "x");
    for (size_t m = 0; m < info.matches.size(); ++m) {
        const GroupMatch& match = tournament.groupMatches[static_cast<size_t>(info.matches[m])];
        auto& label = group.label.emplace_back();
        auto& score = group.score.emplace_back();
        for (size_t side = 0; side < 2; ++side) {
            const std::string name = g + number(static_cast<int>(m) + 1) + number(static_cast<int>(side) + 1);
            label[side] = addLabel(board, name + "Lbl", group.panel, englishName(tournament, match.teams[side]));
            score[side] = addScoreBox(board, name, group.panel);
        }
    }

    std::vector<int> listed = info.teams;
    std::sort(listed.begin(), listed.end());
    group.standingsPanel = board.add("GPStand" + letter, ControlKind::Panel);
    group.standingsHeading = addLabel(board, "Group" + letter + "StandLbl", group.standingsPanel, "Group " + letter);
    for (size_t c = 0; c < StandingsColumnCount; ++c)
        group.columnHeading[c] = addLabel(board, g + StandingsColumns[c] + "Lbl", group.standingsPanel, StandingsDesignCaptions[c]);
    for (size_t row = 0; row < info.teams.size(); ++row) {
        const std::string r = number(static_cast<int>(row) + 1);
        group.rowNumber.push_back(addLabel(board, g + "Row" + r + "Lbl", group.standingsPanel, r + "."));
        group.name.push_back(addLabel(board, g + "Name" + r, group.standingsPanel, englishName(tournament, listed[row])));
        // The places that go through straight away.
        board.setBold(group.name.back(), row < 2);
        auto& cells = group.cell.emplace_back();
        for (size_t c = 0; c < StandingsColumnCount; ++c) {
            cells[c] = addScoreBox(board, g + StandingsColumns[c] + r, group.standingsPanel);
            board.setReadOnly(cells[c], true);
            board.setTabStop(cells[c], false);
        }
    }
    return group;
}

// A team from a group's table: in the design state, the group's teams in
// team-list order; NoTeam for any other slot.
int designTeam(const Tournament& tournament, const Slot& slot)
{
    if (slot.kind != Slot::Kind::GroupPlace)
        return NoTeam;
    std::vector<int> listed = tournament.groups[static_cast<size_t>(slot.group)].teams;
    std::sort(listed.begin(), listed.end());
    return listed[static_cast<size_t>(slot.place - 1)];
}

RoundControls buildRound(Board& board, const Tournament& tournament, int index, bool firstRound)
{
    const KnockoutRound& info = tournament.rounds[static_cast<size_t>(index)];
    const std::string prefix = roundPrefix(tournament, index);
    const bool isFinal = info.matches.size() == 1 && info.matches.front() == tournament.finalMatch;
    RoundControls controls{};
    controls.round = index;
    controls.panel = board.add("GP" + prefix, ControlKind::Panel);
    controls.heading = addLabel(board, prefix + "Lbl", controls.panel, "");
    controls.penaltyHeading = addLabel(board, prefix + "PKLbl", controls.panel, "Pen.");
    controls.clearButton = addButton(board, prefix + "DelButton", controls.panel, "x");
    controls.penaltyMode = isFinal || !info.stage;
    if (controls.penaltyMode)
        board.setEnabled(controls.penaltyHeading, false);

    for (size_t m = 0; m < info.matches.size(); ++m) {
        MatchControls match{};
        match.match = info.matches[m];
        for (size_t side = 0; side < 2; ++side) {
            const std::string name = prefix + number(static_cast<int>(m) + 1) + number(static_cast<int>(side) + 1);
            const int team = designTeam(tournament, tournament.knockout[static_cast<size_t>(match.match)].sides[side]);
            match.label[side] = addLabel(board, name + "Lbl", controls.panel, team == NoTeam ? Placeholder : englishName(tournament, team));
            match.score[side] = addScoreBox(board, name, controls.panel);
            match.penalty[side] = addScoreBox(board, name + "pk", controls.panel);
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

ThirdsControls buildThirds(Board& board, const Tournament& tournament)
{
    ThirdsControls thirds{};
    thirds.panel = board.add("GPThirds", ControlKind::Panel);
    thirds.heading = addLabel(board, "ThirdsLbl", thirds.panel, "");
    const std::array<const char*, 4> columns = {"Group", "Pts", "PM", "GF"};
    for (size_t c = 0; c < columns.size(); ++c)
        thirds.columnHeading[c] = addLabel(board, std::string("Thirds") + columns[c] + "Lbl", thirds.panel, "");
    for (size_t row = 0; row < tournament.groups.size(); ++row) {
        const std::string r = number(static_cast<int>(row) + 1);
        ThirdsControls::Row& line = thirds.rows.emplace_back();
        line.group = addLabel(board, "ThirdsGroup" + r, thirds.panel, "");
        line.name = addLabel(board, "ThirdsName" + r, thirds.panel, "");
        for (size_t c = 0; c < line.cell.size(); ++c)
            line.cell[c] = addLabel(board, std::string("Thirds") + columns[c + 1] + r, thirds.panel, "");
        line.opponent = addLabel(board, "ThirdsOpponent" + r, thirds.panel, "");
    }
    return thirds;
}

}  // namespace

std::string roundPrefix(const Tournament& tournament, int round)
{
    const KnockoutRound& info = tournament.rounds.at(static_cast<size_t>(round));
    if (!info.stage)
        return "Third";
    if (info.matches.size() == 1 && info.matches.front() == tournament.finalMatch)
        return "Final";
    return "Final" + number(static_cast<int>(info.matches.size()));
}

std::array<ControlId, 2> BoardControls::matchLabels(int match) const
{
    int index = match - 1;
    for (const GroupControls& group : groups) {
        if (index >= 0 && index < static_cast<int>(group.label.size()))
            return group.label[static_cast<size_t>(index)];
        index -= static_cast<int>(group.label.size());
    }
    for (const RoundControls& round : rounds) {
        if (index >= 0 && index < static_cast<int>(round.matches.size()))
            return round.matches[static_cast<size_t>(index)].label;
        index -= static_cast<int>(round.matches.size());
    }
    throw std::out_of_range("match " + number(match));
}

bool BoardControls::isLevelMark(ControlId id) const
{
    if (id == NoControl)
        return false;
    return std::any_of(groups.begin(), groups.end(), [id](const GroupControls& group) { return group.levelMark == id; })
           || std::any_of(thirds.begin(), thirds.end(), [id](const ThirdsControls& table) { return table.levelMark == id; });
}

std::vector<ControlId> BoardControls::userBoxes() const
{
    std::vector<ControlId> boxes;
    for (const GroupControls& group : groups) {
        for (const auto& match : group.score)
            boxes.insert(boxes.end(), match.begin(), match.end());
    }
    for (const RoundControls& round : rounds) {
        for (const MatchControls& match : round.matches)
            boxes.insert(boxes.end(), match.score.begin(), match.score.end());
        for (const MatchControls& match : round.matches)
            boxes.insert(boxes.end(), match.penalty.begin(), match.penalty.end());
    }
    for (const GroupControls& group : groups) {
        if (group.levelOrder != NoControl)
            boxes.push_back(group.levelOrder);
    }
    for (const ThirdsControls& third : thirds)
        boxes.push_back(third.levelOrder);
    return boxes;
}

BoardControls buildBoard(Board& board, const Tournament& tournament)
{
    BoardControls controls{};
    const auto groupCount = static_cast<int>(tournament.groups.size());
    for (int g = 0; g < groupCount; ++g) {
        controls.groups.push_back(buildGroup(board, tournament, g));
        if (g == (groupCount + 1) / 2 - 1)
            controls.panel21 = board.add("Panel21", ControlKind::Panel);
    }
    for (size_t r = 0; r < tournament.rounds.size(); ++r) {
        controls.rounds.push_back(buildRound(board, tournament, static_cast<int>(r), r == 0));
        const KnockoutRound& round = tournament.rounds[r];
        if (!round.stage)
            controls.thirdPlaceRoundIndex = static_cast<int>(r);
        for (const int m : round.matches) {
            if (m == tournament.finalMatch)
                controls.finalRoundIndex = static_cast<int>(r);
        }
    }
    if (tournament.thirds)
        controls.thirds.push_back(buildThirds(board, tournament));

    controls.championHeading = addLabel(board, "ChampionLbl", NoControl, "Champion:");
    controls.champion = addLabel(board, "Champion", NoControl, Placeholder);
    board.setBold(controls.champion, true);
    board.setColour(controls.champion, TextColour::Red);
    controls.saveButton = addButton(board, "SaveButton", NoControl, "&Save");
    controls.okButton = addButton(board, "OKButton", NoControl, "&Exit");
    controls.cancelButton = addButton(board, "CancelButton", NoControl, "&Cancel");
    board.setVisible(controls.cancelButton, false);
    controls.clearAllButton = addButton(board, "ClearAllButton", NoControl, "&Clear All");

    if (choosesLevelOrder(tournament.ranking)) {
        for (GroupControls& group : controls.groups) {
            const std::string g = std::string("G") + tournament.groups[static_cast<size_t>(group.group)].letter;
            group.levelOrder = addHiddenValue(board, g + "LevelOrder");
            group.levelMark = addLevelMark(board, g + "LevelMark", group.standingsPanel);
        }
    }
    for (ThirdsControls& thirds : controls.thirds) {
        thirds.levelOrder = addHiddenValue(board, "ThirdsLevelOrder");
        thirds.levelMark = addLevelMark(board, "ThirdsLevelMark", thirds.panel);
    }
    return controls;
}

}  // namespace tiplark
