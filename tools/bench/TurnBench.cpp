#include "support/DungeonWorld.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

// The ticks of the busiest test floor, as the game loop calls them, with the
// test content's real bodies playing their motions (the heroine's is a fake
// one). The heroine roams the floor turn after turn and every tick is timed:
// the benchmark's time is that of a whole turn, the counters give the
// number of ticks and the median, 99th percentile and longest single tick.
void BM_BusiestFloorTick(benchmark::State& state) {
    TDungeonWorld world(TWorldBodies::Real);
    world.Enter({BusiestStage()});
    std::vector<std::chrono::nanoseconds> ticks;
    world.tickTimes = &ticks;
    int turn = 0;
    for (auto _ : state) {
        const std::size_t before = ticks.size();
        world.Roam(turn++);
        std::chrono::nanoseconds spent{};
        for (std::size_t i = before; i < ticks.size(); ++i) {
            spent += ticks[i];
        }
        state.SetIterationTime(std::chrono::duration<double>(spent).count());
        if (world.Map()->EnemyCount() < 4) {
            // Keep it busy: the floor as it began.
            world.Enter({BusiestStage()});
        }
    }
    std::sort(ticks.begin(), ticks.end());
    const auto micro = [&](double at) {
        const auto index = static_cast<std::size_t>(at * static_cast<double>(ticks.size() - 1));
        return std::chrono::duration<double, std::micro>(ticks[index]).count();
    };
    state.counters["ticks"] = static_cast<double>(ticks.size());
    state.counters["median_us"] = micro(0.5);
    state.counters["p99_us"] = micro(0.99);
    state.counters["max_us"] = micro(1.0);
}
BENCHMARK(BM_BusiestFloorTick)->UseManualTime()->Iterations(600)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
