#include "support/MapPlayer.h"

#include "activemap/Activemap.h"

namespace {

// Enough for any turn of a test map; a turn that never ends is a fault.
constexpr int LongestTurn = 200;

} // namespace

std::string TMapPlayer::Play(int ticks) {
    return Run(ticks, [](int) { return false; });
}

std::string TMapPlayer::PlayTurn() {
    return Run(LongestTurn, [this](int) { return Waiting(); });
}

std::string TMapPlayer::Step(std::uint8_t dir) {
    PlayedMap()->OrderMove(dir);
    bool held = true;
    // The key is let go once she walks; a turn comes first if she faced
    // elsewhere.
    return Run(LongestTurn, [this, &held](int) {
        if (held && PlayedMap()->HeroStateId() == das_Walk) {
            PlayedMap()->OrderStop();
            held = false;
        }
        return !held && Waiting();
    });
}

std::string TMapPlayer::Act() {
    PlayedMap()->OrderAction();
    return Run(LongestTurn, [this](int tick) {
        if (tick == 1) {
            PlayedMap()->OrderStop();
        }
        return Waiting();
    });
}

bool TMapPlayer::Waiting() const {
    const IActiveMap* map = PlayedMap();
    return map && map->GetMapState() == msWaitInput;
}

std::string TMapPlayer::Run(int ticks, const std::function<bool(int)>& done) {
    std::string runs;
    std::string last;
    int count = 0;
    const auto close = [&] {
        if (count > 0) {
            runs += (runs.empty() ? "" : " ") + last + "x" + std::to_string(count);
        }
    };
    for (int tick = 1; tick <= ticks && PlayedMap(); ++tick) {
        const auto start = std::chrono::steady_clock::now();
        PlayedMap()->Update();
        if (tickTimes) {
            tickTimes->push_back(std::chrono::steady_clock::now() - start);
        }
        const IActiveMap* map = PlayedMap();
        const std::string now = map ? std::to_string(map->GetMapState()) : "-";
        if (now != last) {
            close();
            last = now;
            count = 0;
        }
        ++count;
        if (map && done(tick)) {
            break;
        }
    }
    close();
    return runs;
}
