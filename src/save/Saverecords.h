#pragma once

#include "actors/Acterrecord.h"

#include <cstddef>
#include <cstdint>

// The saved state of every persistent actor. Actors point into these records
// and change them in place; the save file holds them byte for byte. All begin
// alike: three identity bytes, an i16 x at byte 4, an i16 y at byte 6 and the
// direction at byte 8 (see actors/Acterrecord.h). Padding is written as 0.
#pragma pack(push, 1)

// Treasure taken from a chest on this trip, for the story events.
struct TTreasurePair {
    std::uint8_t eventNo = 0; // 0: the pair is free
    std::uint8_t itemPosition = 0;

    bool operator==(const TTreasurePair&) const = default;
};

// The heroine: where she stands and her statistics for this dungeon trip.
struct TSaveHero {
    std::uint8_t identity[3]{}; // not used for the heroine
    std::uint8_t padding1 = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0;
    std::uint8_t padding2 = 0;
    std::uint16_t hp = 0;
    std::uint16_t attack = 0; // base values, without equipment
    std::uint16_t defence = 0;
    std::uint16_t maxHp = 0;
    std::uint8_t floar = 0; // from 1; 0 after leaving the dungeon; the area in the village
    std::uint8_t baseLevel = 0;
    std::uint8_t next = 0; // defeated enemies still needed for the next level
    std::uint8_t level = 0;
    TTreasurePair treasures[3]{};

    bool operator==(const TSaveHero&) const = default;
};

// An enemy or an obstacle block. HP 0 means dead: it is not built again.
struct TSaveEnemy {
    std::uint8_t mark = 0;      // always SaveEnemyMark
    std::uint8_t kind = 0;      // BG_Enemy or BG_Obstacle
    std::uint8_t enemyKind = 0; // the enemy table id (for an obstacle: the guest's, unused)
    std::uint8_t padding1 = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0;
    std::uint8_t padding2 = 0;
    std::uint16_t hp = 0;
    std::uint16_t attack = 0;
    std::uint16_t defence = 0;
    std::uint16_t maxHp = 0;
    std::uint8_t aiType = 0;    // 0 patrol, 1 keeper, 2 none
    std::uint8_t hasTarget = 0; // the patrol's memory: 1 when it heads for a target
    std::int32_t targetX = 0;
    std::int32_t targetY = 0;
    std::uint8_t targetDirection = 0; // DW_None when it remembers none
    std::uint8_t padding3[3]{};

    bool operator==(const TSaveEnemy&) const = default;
};

// A door or a wall switch.
struct TSaveOnOff {
    std::uint8_t kind = 0;    // BO_Door or BO_WallSwitch
    std::uint8_t subKind = 0; // doors: 2 to 7
    std::uint8_t flag = 0;    // the object record's byte 6
    std::uint8_t padding1 = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0;
    std::uint8_t padding2 = 0;
    std::uint8_t on = 0; // switch on, door open
    std::uint8_t padding3 = 0;

    bool operator==(const TSaveOnOff&) const = default;
};

// An item: lying on a floor, carried, or in a chest. Also the record every
// item keeps of itself.
struct TSaveItem {
    std::uint8_t kind = 0; // 1 key, 2 equipment, 3 tool
    std::uint8_t id = 0;
    std::uint8_t identity = 0; // 0 for items
    std::uint8_t padding1 = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0;
    std::uint8_t padding2 = 0;
    std::uint8_t carryFlag = 0;     // 0 permanent, 1 dungeon only, 2 kept when leaving alive
    std::uint8_t maxDurability = 0; // 0: unbreakable
    std::uint8_t durability = 0;
    std::uint8_t synthesis = 0;

    bool operator==(const TSaveItem&) const = default;
};

// A fairy or a force point on a floor; a person in the village.
struct TSaveAct {
    std::uint8_t kind = 0;     // BO_Fairy, SaveActForce or BO_Person
    std::uint8_t subValue = 0; // a person's number
    std::uint8_t flag = 0;
    std::uint8_t padding1 = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0;
    std::uint8_t padding2 = 0;

    bool operator==(const TSaveAct&) const = default;
};

// A treasure chest and what it holds.
struct TSaveBox {
    std::uint8_t keyNumber = 0; // above 4: no key needed
    std::uint8_t padding1[3]{};
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0;
    std::uint8_t padding2 = 0;
    std::uint8_t open = 0;
    std::uint8_t padding3 = 0;
    std::uint8_t contentKind = 0; // an item kind
    std::uint8_t padding4[3]{};
    std::int32_t contentId = 0;
    std::uint8_t eventNo = 0; // 0: the content belongs to no event
    std::uint8_t eventPosition = 0;
    std::uint8_t contentMaxDurability = 0;
    std::uint8_t contentDurability = 0;

    bool operator==(const TSaveBox&) const = default;
};

// A floor switch.
struct TSaveTile {
    std::uint8_t kind = 0;       // always BF_FloarSwitch
    std::uint8_t switchKind = 0; // 1 timed, 2 permanent
    std::uint8_t padding1[2]{};
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0;
    std::uint8_t padding2 = 0;
    std::uint8_t countdown = 0; // turns before a pressed timed switch pops up
    std::uint8_t pressed = 0;

    bool operator==(const TSaveTile&) const = default;
};

#pragma pack(pop)

static_assert(sizeof(TSaveHero) == 28);
static_assert(sizeof(TSaveEnemy) == 32);
static_assert(sizeof(TSaveOnOff) == 12);
static_assert(sizeof(TSaveItem) == 14);
static_assert(sizeof(TSaveAct) == 10);
static_assert(sizeof(TSaveBox) == 24);
static_assert(sizeof(TSaveTile) == 12);

template <typename TRecord>
constexpr bool BeginsAsActorRecord = offsetof(TRecord, x) == RecordXOffset&& offsetof(TRecord, y) ==
                                     RecordYOffset&& offsetof(TRecord,
                                                              direction) == RecordDirectionOffset;
static_assert(BeginsAsActorRecord<TSaveHero> && BeginsAsActorRecord<TSaveEnemy> &&
              BeginsAsActorRecord<TSaveOnOff> && BeginsAsActorRecord<TSaveItem> &&
              BeginsAsActorRecord<TSaveAct> && BeginsAsActorRecord<TSaveBox> &&
              BeginsAsActorRecord<TSaveTile>);
static_assert(offsetof(TSaveHero, hp) == 10 && offsetof(TSaveHero, floar) == 18 &&
              offsetof(TSaveHero, treasures) == 22);
static_assert(offsetof(TSaveEnemy, aiType) == 18 && offsetof(TSaveEnemy, targetX) == 20 &&
              offsetof(TSaveEnemy, targetDirection) == 28);
static_assert(offsetof(TSaveBox, contentId) == 16 && offsetof(TSaveBox, eventNo) == 20);

inline constexpr std::uint8_t SaveEnemyMark = 2;
// The kind of a force point's act record.
inline constexpr std::uint8_t SaveActForce = 2;

// What a new dungeon trip starts the heroine with.
inline constexpr std::uint16_t HeroStartHP = 5;
inline constexpr std::uint16_t HeroStartAttack = 2;
inline constexpr std::uint16_t HeroStartDefence = 2;
inline constexpr std::uint8_t HeroStartLevel = 1;
inline constexpr std::uint8_t HeroLevelStep = 5; // defeated enemies per level

// Where a record's actor stands and faces.
template <typename TRecord>
void PlaceRecord(TRecord& record, int x, int y, std::uint8_t direction) {
    record.x = static_cast<std::int16_t>(x);
    record.y = static_cast<std::int16_t>(y);
    record.direction = direction;
}

// The bytes of a record, as the actors hold it.
template <typename TRecord> std::uint8_t* RecordBytes(TRecord& record) {
    return reinterpret_cast<std::uint8_t*>(&record);
}
template <typename TRecord> const std::uint8_t* RecordBytes(const TRecord& record) {
    return reinterpret_cast<const std::uint8_t*>(&record);
}
