// The tournament engine alone, on the largest shipped edition.
#include "TemporaryFolder.h"
#include "TournamentFiles.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentPlay.h"
#include "scoring/PoolRanking.h"
#include "scoring/TournamentPool.h"

#include <benchmark/benchmark.h>

#include <random>

namespace tiplark {
namespace {

// One keystroke in a 2026 group whose six results are all entered, with the
// whole real tournament behind it: the group is ranked again, then the
// third-placed teams and the bracket of 32 down to the champion. Every
// iteration types a different score over the last one.
void Keystroke2026Core(benchmark::State& state)
{
    const Tournament tournament = testing::shippedTournament("worldcup-2026");
    TournamentPlay play(tournament);
    play.load(Prediction::real(tournament));
    const MatchScore scores[2] = {MatchScore{{3, 1}}, MatchScore{{2, 1}}};
    int next = 0;
    for (auto _ : state) {
        play.setGroupScore(0, scores[next]);
        next ^= 1;
    }
}
BENCHMARK(Keystroke2026Core);

// A complete 2026 predictions file from disk, the tournament already loaded:
// the file read, every key taken, and the whole prediction played.
void LoadComplete2026File(benchmark::State& state)
{
    const Tournament tournament = testing::shippedTournament("worldcup-2026");
    const testing::TemporaryFolder folder;
    const std::string path = folder.file("real-2026.ini");
    testing::writeBytes(path, tournamentPredictionsText(tournament, {Prediction::real(tournament), {}}, ""));
    for (auto _ : state) {
        SettingsFile file;
        file.load(path);
        const TournamentPredictions read = readTournamentPredictions(tournament, file);
        benchmark::DoNotOptimize(evaluate(tournament, read.prediction).champion);
    }
}
BENCHMARK(LoadComplete2026File);

// A random complete 2026 prediction: every score filled in, each level
// knockout score with a shoot-out that decides it.
Prediction randomComplete(const Tournament& tournament, std::mt19937& random)
{
    std::uniform_int_distribution<int> goals(0, 3);
    Prediction prediction = Prediction::empty(tournament);
    for (MatchScore& score : prediction.group)
        score.goals = {goals(random), goals(random)};
    for (MatchScore& score : prediction.knockout) {
        score.goals = {goals(random), goals(random)};
        if (score.level())
            score.penalties = random() % 2 ? std::array<int, 2>{5, 4} : std::array<int, 2>{3, 4};
    }
    return prediction;
}

// tiplark-report --score over an office pool of 1,000 complete 2026 files,
// through the code the command runs: every file read, played and scored
// against the real results, then ranked. The tournament files are read
// once, before.
void Score1000Files2026(benchmark::State& state)
{
    const TournamentCatalog catalog({TIPLARK_TOURNAMENTS});
    const Tournament& tournament = *catalog.find("worldcup-2026");
    const testing::TemporaryFolder folder;
    std::mt19937 random(2026);
    std::vector<std::string> paths;
    for (int f = 0; f < 1000; ++f) {
        paths.push_back(folder.file("pool-" + std::to_string(f) + ".ini"));
        testing::writeBytes(paths.back(), tournamentPredictionsText(tournament, {randomComplete(tournament, random), {}}, ""));
    }
    for (auto _ : state) {
        const std::vector<ScoredFile> ranked = rankEntries(scoreFiles(catalog, paths));
        if (ranked.back().rank == 0)
            state.SkipWithError("a file was not read");
        benchmark::DoNotOptimize(ranked.front().score.total);
    }
}
BENCHMARK(Score1000Files2026)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tiplark

BENCHMARK_MAIN();
