// The rules alone, without a window: typing, loading, clearing, report and schedule.
#include "BenchSupport.h"
#include "RoundTrip.h"
#include "report/ReportLines.h"
#include "report/ScheduleLines.h"
#include "tournament/TournamentData.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace tiplark {
namespace {

using bench::completeBoard;
using bench::CompleteFile;
using testing::BoardHarness;

// One keystroke in a group whose six results are all entered: the box's
// change recomputes the table, updates the round of 16 and the highlighting.
// Every iteration types a different digit over the last one.
void KeystrokeCore(benchmark::State& state)
{
    const std::unique_ptr<BoardHarness> h = completeBoard();
    const ControlId box = h->board().id(groupScoreName('A', 1, 1));
    const char digits[2][2] = {"3", "2"};
    int next = 0;
    for (auto _ : state) {
        h->board().setText(box, digits[next]);
        next ^= 1;
    }
}
BENCHMARK(KeystrokeCore);

// A complete predictions file, every match with a result and shoot-outs
// included, read into a fresh board.
void LoadCompleteFile(benchmark::State& state)
{
    const CompleteFile file;
    for (auto _ : state) {
        state.PauseTiming();
        auto h = std::make_unique<BoardHarness>();
        state.ResumeTiming();
        ReadAll(h->main, file.path(), [] {});
        state.PauseTiming();
        h.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadCompleteFile)->Unit(benchmark::kMicrosecond);

// Clear All, answered Yes, on a complete board.
void ClearAllComplete(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<BoardHarness> h = completeBoard();
        h->messages.answers.push_back(DialogResult::Yes);
        state.ResumeTiming();
        h->main.clearing().ClearAllButtonClick();
        state.PauseTiming();
        h.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ClearAllComplete)->Unit(benchmark::kMicrosecond);

void ReportLinesComplete(benchmark::State& state)
{
    const std::unique_ptr<BoardHarness> h = completeBoard();
    const TextLookup texts = boardTexts(h->board());
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildReportLines(h->main.preferences().languageIndex, texts));
}
BENCHMARK(ReportLinesComplete);

void ScheduleLinesComplete(benchmark::State& state)
{
    const std::unique_ptr<BoardHarness> h = completeBoard();
    const Preferences& preferences = h->main.preferences();
    const TextLookup texts = boardTexts(h->board());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildScheduleLines(preferences.zoneShift, preferences.daylightShift, texts, h->dates));
}
BENCHMARK(ScheduleLinesComplete);

// What the predictions-file fuzzer does with each input, here a complete
// file: load it, save it in memory and load that into a second board, both
// boards put back to their built state first.
void RoundTripComplete(benchmark::State& state)
{
    const CompleteFile file;
    const std::string bytes = testing::readBytes(file.path());
    testing::RepeatedRoundTrip roundTrip;
    for (auto _ : state)
        benchmark::DoNotOptimize(roundTrip.difference(bytes));
}
BENCHMARK(RoundTripComplete)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tiplark

BENCHMARK_MAIN();
