#pragma once

#include "core/SimSeam.h"
#include "platform/TickClock.h"
#include "platform/VirtualTimers.h"
#include "shell/PlatformBundle.h"

#include <cstdint>
#include <memory>
#include <ostream>

class TInlineWorkerThread;
class TPX_FormDungEnt;
class TPX_FormGame;
class TPrx_FormEquip;
class TPX_FormMDI;

// The platform of the headless simulator: the real Qt windows and game
// window proxy, but the game loop run pass by pass on a virtual clock, the
// story timers on the same clock, questions answered from the script, a
// fixed seed, and the OpenGL engine only when drawing. It keeps hold of what
// it made so the simulator can drive it, and must outlive the game made from
// its bundle.
class TSimPlatform {
public:
    TSimPlatform(bool draw, std::uint32_t seed, std::ostream& messages);

    TPlatformBundle Bundle(TPX_FormMDI& mainProxy);

    TVirtualTickClock& Clock() { return *clock; }
    TVirtualTimers& Timers() { return timers; }
    // The game loop's thread, once the game has made it.
    TInlineWorkerThread* const& Thread() const { return thread; }
    // The game window's proxy, once the game has made it.
    TPX_FormGame* GameWindow() const { return gameWindow; }
    // The equipment screen's proxy, once the game has made it.
    TPrx_FormEquip* EquipScreen() const { return equipScreen; }
    // The entrance screen's proxy, once the game has made it.
    TPX_FormDungEnt* Entrance() const { return entrance; }
    TSimAnswers& Answers() { return answers; }

private:
    bool draw;
    std::uint32_t seed;
    std::ostream& messages;
    std::shared_ptr<TVirtualTickClock> clock = std::make_shared<TVirtualTickClock>();
    TVirtualTimers timers{*clock};
    TInlineWorkerThread* thread = nullptr;
    TPX_FormGame* gameWindow = nullptr;
    TPrx_FormEquip* equipScreen = nullptr;
    TPX_FormDungEnt* entrance = nullptr;
    TSimAnswers answers;
};
