#include "MachineStallWatch.h"

#include <algorithm>
#include <pthread.h>
#include <sched.h>

namespace {

constexpr auto Nap = std::chrono::milliseconds(1);
// Later than this past the nap counts as a stall; a real-time thread wakes
// within a tenth of a millisecond while its processor runs.
constexpr auto Lateness = std::chrono::microseconds(500);

} // namespace

TMachineStallWatch::TMachineStallWatch() {
    // The processors this process may run on, which need not be the first n.
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) {
        realTime = false;
        return;
    }
    std::vector<int> processors;
    for (int processor = 0; processor < CPU_SETSIZE; ++processor) {
        if (CPU_ISSET(processor, &allowed)) {
            processors.push_back(processor);
        }
    }
    stallsPerProcessor.resize(processors.size());
    for (size_t i = 0; i < processors.size(); ++i) {
        watchers.emplace_back(
            [this, processor = processors[i], i] { Watch(processor, stallsPerProcessor[i]); });
    }
}

TMachineStallWatch::~TMachineStallWatch() {
    Stop();
}

void TMachineStallWatch::Stop() {
    if (stopping.exchange(true)) {
        return;
    }
    for (std::thread& watcher : watchers) {
        watcher.join();
    }
    for (const auto& own : stallsPerProcessor) {
        stalls.insert(stalls.end(), own.begin(), own.end());
    }
    std::sort(stalls.begin(), stalls.end(),
              [](const TStall& a, const TStall& b) { return a.from < b.from; });
    std::vector<TStall> merged;
    for (const TStall& stall : stalls) {
        if (!merged.empty() && stall.from <= merged.back().to) {
            merged.back().to = std::max(merged.back().to, stall.to);
        } else {
            merged.push_back(stall);
        }
    }
    stalls = std::move(merged);
}

void TMachineStallWatch::Watch(int processor, std::vector<TStall>& into) {
    cpu_set_t only;
    CPU_ZERO(&only);
    CPU_SET(processor, &only);
    sched_param priority{};
    priority.sched_priority = sched_get_priority_max(SCHED_FIFO);
    if (pthread_setaffinity_np(pthread_self(), sizeof only, &only) != 0 ||
        pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority) != 0) {
        realTime = false;
    }
    auto last = TClock::now();
    while (!stopping) {
        std::this_thread::sleep_for(Nap);
        const auto now = TClock::now();
        if (now - last > Nap + Lateness) {
            into.push_back({last + Nap, now});
        }
        last = now;
    }
}

TMachineStallWatch::TClock::duration
TMachineStallWatch::StalledWithin(TClock::time_point from, TClock::time_point to) const {
    TClock::duration stalled{};
    for (const TStall& stall : stalls) {
        const auto start = std::max(from, stall.from);
        const auto end = std::min(to, stall.to);
        if (start < end) {
            stalled += end - start;
        }
    }
    return stalled;
}

TMachineStallWatch::TClock::duration TMachineStallWatch::LongestStall() const {
    TClock::duration longest{};
    for (const TStall& stall : stalls) {
        longest = std::max(longest, stall.to - stall.from);
    }
    return longest;
}
