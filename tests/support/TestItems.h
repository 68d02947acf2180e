#pragma once

#include "actors/Itemacter.h"
#include "actors/Itemdata.h"
#include "actors/Itempropdepot.h"
#include "actors/Itemrecord.h"
#include "world/Mapdata.h"

#include <cstdint>
#include <memory>
#include <string>

// Property records with Shift-JIS names.
TItemProp TestItemProp(const std::string& sjisName);
TEquipItemProp TestEquipProp(const std::string& sjisName, std::int32_t id, std::uint8_t type,
                             std::int16_t attack = 0, std::int16_t defence = 0,
                             std::uint8_t requiredLevel = 0);

// Keys 1 to 4 "鍵1" to "鍵4", tools 1 to 5 "道具1" to "道具5", and equipment
// in file order: swords 10 "銅の剣" (attack 3, level 1) and 11 "鋼の剣"
// (attack 6, defence 1, level 3), 20 "盾" of type 2 (defence 2), 30 "兜" of
// type 3 (attack 1, defence 1, level 2).
const TItemPropDepot& TestItemDepot();

// A record of an item lying at (x, y), facing south as floor items do.
TSaveItem FloorItemRecord(std::uint8_t kind, std::uint8_t id, std::int16_t x = 0,
                          std::int16_t y = 0);
// The same with its carry flag and wear: `left` of `maximum` durability.
TSaveItem WornItemRecord(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag,
                         std::uint8_t maximum, std::uint8_t left);
// An item actor without a body.
std::unique_ptr<TItemActer> TestItemActer(const TSaveItem& record);
