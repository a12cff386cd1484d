// bench-libs: platform_clock
// Processor time of a paced loop: 30 ms turns driven by waitUntil, as the battle runs them.
// Counters: "cpu_percent", the share of one core used while the loop waits; "polls_per_turn", the
// calls of the pump handed to the wait; "wakeups_per_turn", the times the loop's thread went to
// sleep and woke up (its voluntary context switches); "late_turns", turns that began more than a
// millisecond after their tick.
#include "platform/clock/clock.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

double processSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long threadSleeps()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

void pacedLoop(benchmark::State& state)
{
    platform::clock::SystemClock clock;
    const auto turns = state.range(0);
    double cpu = 0;
    double wall = 0;
    long long pumps = 0;
    long long lateTurns = 0;
    long sleeps = 0;
    for (auto _ : state) {
        const long sleepsStart = threadSleeps();
        const double cpuStart = processSeconds();
        const auto wallStart = clock.tickCount();
        auto frameStart = clock.tickCount();
        for (long long turn = 0; turn < turns; ++turn) {
            clock.waitUntil(frameStart + 30, [&] { ++pumps; });
            const auto now = clock.tickCount();
            if (now > frameStart + 31) {
                ++lateTurns;
            }
            frameStart = now;
        }
        cpu += processSeconds() - cpuStart;
        sleeps += threadSleeps() - sleepsStart;
        wall += static_cast<double>(clock.tickCount() - wallStart) / 1000.0;
    }
    state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0;
    const auto allTurns = static_cast<double>(turns * static_cast<long long>(state.iterations()));
    state.counters["polls_per_turn"] = static_cast<double>(pumps) / allTurns;
    state.counters["wakeups_per_turn"] = static_cast<double>(sleeps) / allTurns;
    state.counters["late_turns"] = static_cast<double>(lateTurns);
}

} // namespace

// 334 turns of 30 ms: ten seconds of pacing.
BENCHMARK(pacedLoop)->Arg(334)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
