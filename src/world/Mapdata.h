#pragma once

#include "world/BlockRecords.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TDataReader;
class TDataWriter;

inline constexpr std::string_view DungDataFile = "Data/DungData";

#pragma pack(push, 1)

// One square of a floor's grid.
struct TBlockFile {
    std::uint8_t wallObje;  // 0 none, else a wall piece plan id (5 makes a counter)
    std::uint8_t room;      // 0 none, n: room n of the floor
    std::uint8_t floarTile; // 0 none, else a floor tile plan id

    bool operator==(const TBlockFile&) const = default;
};
static_assert(sizeof(TBlockFile) == 3);

// An enemy or obstacle block standing on a floor.
struct TBlockGuest {
    std::uint16_t x;
    std::uint16_t y;
    std::uint8_t kind;
    std::uint8_t enemyId;         // enemies: the id of an entry of the floor's enemy table
    std::uint8_t obstacleDefence; // obstacle blocks
    std::uint8_t direction;
    std::uint8_t behaviour; // 0 patrolling, 1 keeper, 2 standing still
    std::uint8_t unused;

    bool operator==(const TBlockGuest&) const = default;
};
static_assert(sizeof(TBlockGuest) == 10);

// Kinds of TBlockGuest.
enum : std::uint8_t {
    BG_Enemy = 1,
    BG_Obstacle = 2,
};

// An item lying free on a floor or inside a treasure chest.
struct TBlockItem {
    std::uint16_t x;
    std::uint16_t y;
    std::uint8_t kind; // 1 key, 2 equipment, 3 tool
    std::uint8_t id;
    std::uint8_t chest;      // 0 free, 1-4 chest locked with that key, 5 and above unlocked chest
    std::uint8_t eventMark;  // chests: given to the heroine with the item (0 none)
    std::uint8_t eventValue; // chests: the value that goes with the mark
    std::uint8_t maxDurability;
    std::uint8_t durability;
    std::uint8_t unused;

    bool operator==(const TBlockItem&) const = default;
};
static_assert(sizeof(TBlockItem) == 12);

// Kinds of TBlockItem.
enum : std::uint8_t {
    BI_Key = 1,
    BI_Equipment = 2,
    BI_Tool = 3,
};

// The only tool that lies free on a floor; other tools come in chests.
constexpr std::uint8_t FreeToolId = 5;

// An enemy variant of one floor, named by guests through its id.
struct TFloarEnemy {
    std::uint8_t id;
    std::uint8_t enemyKind; // an enemy kind of Data/EnemyData
    std::uint8_t attack;
    std::uint8_t defence;
    std::uint8_t hitPoints; // also the maximum

    bool operator==(const TFloarEnemy&) const = default;
};
static_assert(sizeof(TFloarEnemy) == 5);

#pragma pack(pop)

// A force point: play uses only its position; the rest is kept as read.
struct TForceProp {
    std::uint16_t x = 0;
    std::uint16_t y = 0;
    std::uint16_t value1 = 0;
    std::uint16_t value2 = 0;
    std::string text;

    bool operator==(const TForceProp&) const = default;
};

struct TFloarData {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::vector<TBlockFile>> grid; // height rows of width blocks
    std::vector<TBlockGuest> guests;
    std::vector<TBlockObje> objects;
    std::vector<TBlockItem> items;
    std::vector<TBlockFloar> floarActers;
    std::vector<TForceProp> forces;
    std::vector<TFloarEnemy> enemies;

    // The first enemy table entry with this id; raises
    // "IDからフロアでの敵プロパティ取得エラー" when there is none.
    const TFloarEnemy& EnemyById(std::uint8_t id) const;
    bool operator==(const TFloarData&) const = default;
};

// A dungeon.
struct TStageData {
    std::string name;
    std::uint8_t startFloar = 1; // floor number, from 1
    std::uint8_t unused = 0;
    std::uint16_t startX = 0;
    std::uint16_t startY = 0;
    std::vector<TFloarData> floars; // floor 1 first

    // Floor `number`, counted from 1; raises TGameError when there is none.
    const TFloarData& Floar(int number) const;
    bool operator==(const TStageData&) const = default;
};

// All dungeons, addressed by their 0-based position.
using TDungeonData = std::vector<TStageData>;

// Raise TGameError naming the file, the stage and the floor on a short or
// malformed file, and on placements no floor can hold (see MapdataCheck.h).
TDungeonData ReadDungeonData(TDataReader& reader);
TDungeonData LoadDungeonData(std::string_view sjisName = DungDataFile);
// Raises TGameError when a count or size does not fit its field.
void WriteDungeonData(TDataWriter& writer, const TDungeonData& stages);
