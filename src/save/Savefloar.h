#pragma once

#include "save/Savelist.h"
#include "save/Saverecords.h"

#include <cstdint>

class TDataReader;
class TDataWriter;
struct TFloarData;

// The saved state of one dungeon floor: what its actors were when it was
// left, so a floor comes back as it was.
struct TSaveFloar {
    std::uint8_t number = 0; // from 1; given by position, not written

    TSaveList<TSaveEnemy> enemies; // the floor's guests in file order
    TSaveList<TSaveOnOff> onOffs;  // doors and wall switches in object order
    TSaveList<TSaveItem> items;    // loose items in item order; taken ones leave
    TSaveList<TSaveAct> acts;      // fairies in object order (met ones leave), then force points
    TSaveList<TSaveBox> boxes;     // chests in item order
    TSaveList<TSaveTile> tiles;    // floor switches in floor-record order

    // Taken items and met fairies leave by identity (see SameIdentity);
    // these return how many records went.
    size_t RemoveItemRecords(const std::uint8_t* identity);
    size_t RemoveActRecords(const std::uint8_t* identity);

    bool operator==(const TSaveFloar&) const = default;
};

// One-byte counts: enemies and on/off objects per floor.
inline constexpr size_t MaxFloarEnemies = 255;
inline constexpr size_t MaxFloarOnOffs = 255;

// A floor as a new dungeon trip finds it. Raises
// "IDからフロアでの敵プロパティ取得エラー" for an enemy missing from the floor's
// table, and TGameError when the floor holds more enemies or on/off objects
// than a save can count.
TSaveFloar NewFloarSave(std::uint8_t number, const TFloarData& floar);

// The six counts (u8 enemies, u8 on/off objects, four u16), then the lists.
void WriteFloarSave(TDataWriter& writer, const TSaveFloar& floar);
TSaveFloar ReadFloarSave(TDataReader& reader, std::uint8_t number);

// The size of a floor without records: its six counts.
inline constexpr size_t FloarSaveCountsSize = 1 + 1 + 4 * 2;
