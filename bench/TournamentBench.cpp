// The tournament engine alone, on the largest shipped edition.
#include "TournamentFiles.h"
#include "engine/TournamentPlay.h"

#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace tiplark

BENCHMARK_MAIN();
