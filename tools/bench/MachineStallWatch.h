#pragma once

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

// Watches for moments when the machine stops running a processor (a virtual
// machine's processor paused by its host, say): on every processor a thread
// that sleeps a millisecond at a time, at the highest real-time priority where
// the system allows it, and notes every wake-up that came late. Such a thread
// is late only when its processor did not run at all, so a frame overlapping a
// late wake-up waited for the machine, not for the game.
class TMachineStallWatch {
public:
    using TClock = std::chrono::steady_clock;
    struct TStall {
        TClock::time_point from;
        TClock::time_point to;
    };

    TMachineStallWatch();
    ~TMachineStallWatch();
    TMachineStallWatch(const TMachineStallWatch&) = delete;
    TMachineStallWatch& operator=(const TMachineStallWatch&) = delete;

    // Ends the watch; the stalls are then final.
    void Stop();

    // Whether every watcher runs on its own processor at real-time priority;
    // if not, a late wake-up may also be the game's own doing.
    bool RealTime() const { return realTime; }
    // Stalls of any processor, merged and in order; final after Stop.
    const std::vector<TStall>& Stalls() const { return stalls; }
    // How much of [from, to] the machine spent stalled.
    TClock::duration StalledWithin(TClock::time_point from, TClock::time_point to) const;
    TClock::duration LongestStall() const;

private:
    void Watch(int processor, std::vector<TStall>& into);

    std::atomic<bool> stopping{false};
    std::atomic<bool> realTime{true};
    std::vector<std::vector<TStall>> stallsPerProcessor;
    std::vector<std::thread> watchers;
    // Every processor's stalls merged into one ordered list without overlaps.
    std::vector<TStall> stalls;
};
