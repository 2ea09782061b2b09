#include "document/BoxTexts.h"

#include "document/MainBoard.h"
#include "engine/LevelOrderText.h"
#include "storage/SettingValues.h"

namespace tiplark {

BoxTexts readBoxTexts(const std::vector<PredictionKey>& keys, const KeyValues& values)
{
    BoxTexts texts;
    std::vector<BoxText> penalties;
    for (size_t i = 0; i < keys.size(); ++i) {
        const PredictionKey& key = keys[i];
        if (key.kind == ValueKind::ScorePair) {
            const auto& boxes = std::get<ScoreBoxes>(key.target);
            const ScorePair pair = splitScorePair(values(key.section, key.name).value_or(""));
            texts.push_back({boxes[0], acceptedScore(pair.first)});
            texts.push_back({boxes[1], acceptedScore(pair.second)});
        } else if (key.kind == ValueKind::Penalty) {
            penalties.push_back({std::get<ControlId>(key.target), acceptedScore(values(key.section, key.name).value_or(""))});
        }
        const bool sectionEnds = i + 1 == keys.size() || keys[i + 1].section != key.section;
        if (sectionEnds) {
            texts.insert(texts.end(), penalties.begin(), penalties.end());
            penalties.clear();
        }
    }
    return texts;
}

namespace {

std::string goalsText(int goals)
{
    return goals == MatchScore::Empty ? std::string() : std::to_string(goals);
}

}  // namespace

BoxTexts predictionBoxTexts(const BoardControls& controls, const Tournament& tournament, const Prediction& prediction)
{
    BoxTexts texts;
    for (const GroupControls& group : controls.groups) {
        const std::vector<int>& matches = tournament.groups[static_cast<size_t>(group.group)].matches;
        for (size_t m = 0; m < group.score.size(); ++m) {
            const MatchScore& score = prediction.group[static_cast<size_t>(matches[m])];
            for (size_t side = 0; side < 2; ++side)
                texts.push_back({group.score[m][side], goalsText(score.goals[side])});
        }
    }
    // The orders of level teams before the knockout: they decide who plays
    // there, and a team that changes empties its match's boxes.
    for (const GroupControls& group : controls.groups) {
        if (group.levelOrder != NoControl)
            texts.push_back({group.levelOrder, levelOrderText(tournament, prediction.levelOrder.groups[static_cast<size_t>(group.group)])});
    }
    for (const ThirdsControls& thirds : controls.thirds)
        texts.push_back({thirds.levelOrder, levelOrderText(tournament, prediction.levelOrder.thirds)});
    for (const RoundControls& round : controls.rounds) {
        for (const MatchControls& match : round.matches) {
            for (size_t side = 0; side < 2; ++side)
                texts.push_back({match.score[side], goalsText(prediction.knockout[static_cast<size_t>(match.match)].goals[side])});
        }
        for (const MatchControls& match : round.matches) {
            for (size_t side = 0; side < 2; ++side)
                texts.push_back({match.penalty[side], goalsText(prediction.knockout[static_cast<size_t>(match.match)].penalties[side])});
        }
    }
    return texts;
}

void setBoxes(Board& board, const BoxTexts& texts)
{
    for (const BoxText& box : texts)
        board.setText(box.box, box.text);
}

bool hasScores(const MainBoard& main)
{
    const Board& board = main.board();
    const BoardControls& controls = main.controls();
    for (const GroupControls& group : controls.groups) {
        for (const auto& match : group.score)
            if (!board.text(match[0]).empty() || !board.text(match[1]).empty())
                return true;
    }
    for (const RoundControls& round : controls.rounds) {
        for (const MatchControls& match : round.matches)
            if (!board.text(match.score[0]).empty() || !board.text(match.score[1]).empty())
                return true;
    }
    return false;
}

bool confirmReplaceBoard(MainBoard& main)
{
    return !hasScores(main)
           || main.services().messages.askYesNo(main.language().text("msg.replaceBoard")) == DialogResult::Yes;
}

}  // namespace tiplark
