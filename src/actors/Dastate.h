#pragma once

#include <cstdint>

// Every state any actor kind can be in. Which kinds support which values is
// fixed by each kind's state table.
enum DA_State : std::uint8_t {
    das_Null = 0,
    das_Standby = 1,
    das_Wait = 2,
    das_MoveOrder = 3,
    das_Turn = 4,
    das_Walk = 5,
    das_Attack = 6,
    das_Damaged = 7,
    das_Dying = 8,
    das_TurnOn = 9,
    das_TurnOff = 10,
    das_ActOrder = 11,
    das_Press = 12,
    das_Talk = 13,
    das_Unlock = 14,
    das_Guard = 15,
    das_LevelUp = 16,
    das_FairyMet = 17,
    das_OpenBox = 18,
    das_SwordBroken = 19,
    das_Dash = 20,
};

// What the heroine does when she acts on a block or an actor.
enum DA_Action : std::uint8_t {
    dac_None = 0,
    dac_Attack = 1,
    dac_Press = 2,
    dac_Talk = 3,
    dac_Unlock = 4,
    dac_OpenBox = 5,
};
