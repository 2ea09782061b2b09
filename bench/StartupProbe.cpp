// Start-up of the real program, as a user gets it: the tiplark executable is
// copied with its pictures into a fresh program folder beside a complete
// predictions file and started under the offscreen platform. The program
// counts as shown and idle when it sleeps and its CPU time has not grown for
// IdleWindow; the start-up time is the moment its CPU time last grew. The
// peak resident memory is read from the kernel just before it is killed,
// and the program's own CPU time up to that moment is kept as cpu_ms, its
// time ready but waiting for a processor as queued_ms: on a machine busy
// with other work they tell how much of the wait was ours.
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace tiplark {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto IdleWindow = std::chrono::milliseconds(300);
constexpr auto PollPause = std::chrono::microseconds(500);

// Nanoseconds that the process's threads have run and have waited, ready,
// for a processor; and whether its main thread is asleep.
struct ProcessSample {
    long long cpu = 0;
    long long queued = 0;
    bool sleeping = false;
    bool alive = false;
};

ProcessSample sample(pid_t pid)
{
    ProcessSample result;
    const std::string process = "/proc/" + std::to_string(pid);
    std::ifstream stat(process + "/stat");
    std::string statLine;
    if (!std::getline(stat, statLine))
        return result;
    // The state follows the parenthesised command name.
    const auto close = statLine.rfind(')');
    result.alive = close != std::string::npos && close + 2 < statLine.size() && statLine[close + 2] != 'Z';
    result.sleeping = result.alive && statLine[close + 2] == 'S';
    std::error_code ignored;
    for (const auto& task : std::filesystem::directory_iterator(process + "/task", ignored)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long cpu = 0;
        long long queued = 0;
        if (schedstat >> cpu >> queued) {
            result.cpu += cpu;
            result.queued += queued;
        }
    }
    return result;
}

double peakResidentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            double kilobytes = 0;
            fields >> kilobytes;
            return kilobytes / 1024;
        }
    }
    return 0;
}

void StartupProgram(benchmark::State& state)
{
    const bench::CompleteFile file;
    const std::filesystem::path folder = file.folder().path();
    std::filesystem::copy_file(TIPLARK_EXECUTABLE, folder / "tiplark");
    for (const auto& asset : std::filesystem::directory_iterator(TIPLARK_ASSETS))
        std::filesystem::copy_file(asset.path(), folder / asset.path().filename());
    const std::string program = (folder / "tiplark").string();

    double peak = 0;
    double cpuSeconds = 0;
    double queuedSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ProcessSample last = sample(pid);
        auto lastGrowth = Clock::now();
        ProcessSample atGrowth = last;
        while (true) {
            std::this_thread::sleep_for(PollPause);
            const ProcessSample now = sample(pid);
            const auto when = Clock::now();
            if (!now.alive)
                break;
            if (now.cpu != last.cpu) {
                lastGrowth = when;
                atGrowth = now;
            }
            else if (now.sleeping && when - lastGrowth >= IdleWindow)
                break;
            last = now;
        }
        const ProcessSample end = sample(pid);
        if (end.alive)
            peak = std::max(peak, peakResidentMegabytes(pid));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        if (!end.alive) {
            state.SkipWithError("the program ended during start-up");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(lastGrowth - start).count());
        cpuSeconds += static_cast<double>(atGrowth.cpu) / 1e9;
        queuedSeconds += static_cast<double>(atGrowth.queued) / 1e9;
    }
    state.counters["peak_MB"] = peak;
    state.counters["cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["queued_ms"] = benchmark::Counter(queuedSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(StartupProgram)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tiplark

BENCHMARK_MAIN();
