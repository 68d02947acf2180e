#pragma once

#include "world/Base3dutil.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The keys the game window knows, whatever the platform calls them. The
// numeric keypad's keys are told apart from the arrows and the main row.
enum class TGameKey : std::uint8_t {
    Other,
    Up,
    Right,
    Down,
    Left,
    PageUp,
    PageDown,
    End,
    Home,
    Pad1,
    Pad2,
    Pad3,
    Pad4,
    Pad5,
    Pad6,
    Pad7,
    Pad8,
    Pad9,
    Space,
    A,
    Q,
    W,
    Z,
    R,
    F1,
};
constexpr std::size_t GameKeyCount = static_cast<std::size_t>(TGameKey::F1) + 1;

// The two keys of each direction, in direction order (north first).
constexpr std::array<std::array<TGameKey, 2>, 8> DirectionKeys{{
    {TGameKey::Up, TGameKey::Pad8},
    {TGameKey::Right, TGameKey::Pad6},
    {TGameKey::Down, TGameKey::Pad2},
    {TGameKey::Left, TGameKey::Pad4},
    {TGameKey::PageUp, TGameKey::Pad9},
    {TGameKey::PageDown, TGameKey::Pad3},
    {TGameKey::End, TGameKey::Pad1},
    {TGameKey::Home, TGameKey::Pad7},
}};

// The direction a key walks in; DW_None for any other key (keypad 5 too).
constexpr std::uint8_t DirectionOfKey(TGameKey key) {
    for (std::uint8_t dir = 0; dir < DirectionKeys.size(); ++dir) {
        if (DirectionKeys[dir][0] == key || DirectionKeys[dir][1] == key) {
            return dir;
        }
    }
    return DW_None;
}
