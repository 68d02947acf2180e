#pragma once

#include "platform/IntervalTimer.h"
#include "platform/WorkerThread.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

class IEntranceScreen;
class IEquipScreen;
class IGameWindow;
class IMessageSeam;
class ITickClock;
class TDX7Factory;
class TDungOperator;
class THero;
class TSaveForm;

// What the game is assembled from on one platform: the windows and the 3D
// device on Qt, or their stand-ins in tests and in the headless simulator.
// The game code itself is the same for all.
struct TPlatformBundle {
    // Makes the program's graphics factory single instance.
    std::function<TDX7Factory&()> createGraphicsFactory;
    TWorkerThreadFactory makeWorkerThread;
    std::shared_ptr<const ITickClock> clock;
    std::function<std::unique_ptr<IMessageSeam>()> makeMessageSeam;
    std::function<std::unique_ptr<IGameWindow>(TDungOperator&)> makeGameWindow;
    // The equipment screen over the heroine's inventory.
    std::function<std::unique_ptr<IEquipScreen>(THero&)> makeEquipScreen;
    std::function<std::unique_ptr<IEntranceScreen>(TDungOperator&)> makeEntranceScreen;
    // The save slot dialog, over the save folder in this program folder.
    std::function<std::unique_ptr<TSaveForm>(const std::filesystem::path& programFolder)>
        makeSaveForm;
    // The story screens' 50 ms timers, on the same clock as the game loop.
    TIntervalTimerFactory makeIntervalTimer;
    // Seeds the random source of the game's rules.
    std::uint32_t randomSeed = 0;
};
