#pragma once

#include "save/Saverecords.h"

#include <cstdint>

// How far an item may be carried out of the dungeon it was found in.
enum : std::uint8_t {
    CF_Permanent = 0,
    CF_DungeonOnly = 1, // lost on leaving the dungeon
    CF_KeptIfAlive = 2, // kept (and made permanent) only when she leaves alive
};

// The changes an item's own record goes through. They are made to an item and
// to the heroine's inventory record of it alike, so that both stay equal.

// Returns the flag; a flag of CF_KeptIfAlive becomes permanent.
std::uint8_t TakeCarryFlagFrom(TSaveItem& record);
// One point of wear; true exactly when the durability has just run out.
// Unbreakable and already worn-out items do not change.
bool WearRecord(TSaveItem& record);
void RepairRecord(TSaveItem& record);
// A sword absorbed another: one more point of power and of durability.
void AddSynthesisTo(TSaveItem& record);
