#include "scoring/Pool.h"

#include "scoring/PoolRanking.h"
#include "scoring/QuietBoard.h"

namespace tiplark {
namespace {

PoolEntry scored(std::string name, const MainBoard& main)
{
    PoolEntry entry;
    entry.name = std::move(name);
    entry.language = main.language().index();
    entry.outcome = readOutcome(main);
    entry.score = scorePrediction(entry.outcome, realOutcome());
    const auto& champion = entry.outcome.reached[static_cast<size_t>(Stage::Champion)];
    entry.champion = champion.empty() ? 0 : champion.front();
    return entry;
}

}  // namespace

PoolEntry scorePredictionFile(const std::string& path)
{
    QuietBoard quiet;
    const PredictionsLoad load = LoadPredictions(quiet.main, path);
    if (load != PredictionsLoad::Loaded) {
        PoolEntry entry;
        entry.name = path;
        entry.load = load;
        return entry;
    }
    return scored(path, quiet.main);
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
