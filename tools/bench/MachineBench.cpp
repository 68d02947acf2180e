#include "MachineStallWatch.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

// The machine's own stalls while nothing runs, to read the frame figures by:
// 20 seconds of a watch alone.
void WatchTheIdleMachine(benchmark::State& state) {
    using TMs = std::chrono::duration<double, std::milli>;
    for (auto _ : state) {
        TMachineStallWatch machine;
        std::this_thread::sleep_for(std::chrono::seconds(20));
        machine.Stop();
        state.counters["machine_stalls"] = static_cast<double>(machine.Stalls().size());
        state.counters["longest_stall_ms"] = TMs(machine.LongestStall()).count();
        state.counters["watch_realtime"] = machine.RealTime() ? 1 : 0;
    }
}
BENCHMARK(WatchTheIdleMachine)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

} // namespace
