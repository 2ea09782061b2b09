#include "reference/Pool.h"

#include "document/BoxTexts.h"
#include "scoring/PoolRanking.h"
#include "scoring/QuietBoard.h"
#include "storage/SettingValues.h"
#include "storage/SettingsFile.h"

#include <algorithm>

namespace tiplark {
namespace {

PoolEntry scored(std::string name, const MainBoard& main)
{
    PoolEntry entry;
    entry.name = std::move(name);
    entry.language = main.language().index();
    entry.outcome = readOutcome(main);
    entry.score = scorePrediction(entry.outcome, realOutcome(main.tournament()));
    const auto& champion = entry.outcome.reached[static_cast<size_t>(Stage::Champion)];
    entry.champion = champion.empty() ? 0 : champion.front();
    return entry;
}

// Whether the file gives any score or penalty, readable or not: a prediction
// left empty is one, a file whose every score is damaged is not.
bool givesScores(const std::string& path, const std::vector<PredictionKey>& keys)
{
    SettingsFile file;
    file.load(path);
    return std::any_of(keys.begin(), keys.end(), [&file](const PredictionKey& key) {
        if (key.kind != ValueKind::ScorePair && key.kind != ValueKind::Penalty)
            return false;
        const std::string value = file.value(key.section, key.name).value_or("");
        if (key.kind == ValueKind::Penalty)
            return !value.empty();
        const ScorePair pair = splitScorePair(value);
        return !pair.first.empty() || !pair.second.empty();
    });
}

}  // namespace

PoolEntry scorePredictionFile(const std::string& path, const Tournament& tournament)
{
    QuietBoard quiet(tournament);
    const PredictionsLoad load = LoadPredictions(quiet.main, path);
    if (load != PredictionsLoad::Loaded) {
        PoolEntry entry;
        entry.name = path;
        entry.load = load;
        return entry;
    }
    PoolEntry entry = scored(path, quiet.main);
    entry.noValidScores = !hasScores(quiet.main) && givesScores(path, quiet.main.keys());
    return entry;
}

PoolEntry scoreBoard(const std::string& name, const MainBoard& main)
{
    return scored(name, main);
}

std::vector<PoolEntry> rankPool(std::vector<PoolEntry> entries)
{
    return rankEntries(std::move(entries));
}

}  // namespace tiplark
