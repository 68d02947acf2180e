#pragma once

#include <cstdint>

// The concrete kind of an actor, for the few rules that depend on what stands
// on a block (walls stop sight, chests only passage, the heroine wakes floors).
enum class TActerKind : std::uint8_t {
    Other,
    DungWall,
    Counter,
    Door,
    Box,
    WallSwitch,
    Angel,
    Item,
    FloarExit,
    FloarSwitch,
    FloarLevel,
    FloarForcedLV,
    Hero,
    Enemy,
    People,
};
