#pragma once

#include <cstdint>

// Records placed by position on a dungeon floor or a village area, stored in
// the data files exactly in this packed layout.
#pragma pack(push, 1)

// A door, wall switch or fairy on a floor; a big object or person in the
// village.
struct TBlockObje {
    std::uint16_t x;
    std::uint16_t y;
    std::uint8_t kind;
    std::uint8_t subKind;
    std::uint8_t startsOpen; // doors: non-zero when the door starts open
    std::uint8_t direction;
    std::uint8_t link; // 0 none, n: the n-th record of the same list
    std::uint8_t unused;

    bool operator==(const TBlockObje&) const = default;
};
static_assert(sizeof(TBlockObje) == 10);

// Kinds of TBlockObje on a dungeon floor.
enum : std::uint8_t {
    BO_Door = 1,
    BO_Placeholder = 2, // holds its place in the list only
    BO_WallSwitch = 3,
    BO_Fairy = 4,
};

// Kinds of TBlockObje in a village area.
enum : std::uint8_t {
    BO_BigObje = 1,
    BO_Person = 2,
};

// Sub-kinds of a door: the first that makes a door, and the last.
constexpr std::uint8_t DoorBySwitchSubKind = 2;
constexpr std::uint8_t DoorByHandSubKind = 7;

// The floor records that make a door or a wall switch: these get a saved
// on/off state and can be linked.
inline bool MakesOnOffObje(const TBlockObje& record) {
    const bool door = record.kind == BO_Door && record.subKind >= DoorBySwitchSubKind &&
                      record.subKind <= DoorByHandSubKind;
    return door || record.kind == BO_WallSwitch;
}

// An exit, floor switch or level floor.
struct TBlockFloar {
    std::uint16_t x;
    std::uint16_t y;
    std::uint8_t kind;
    std::uint8_t subKind;
    std::uint16_t arrivalXOrLink;  // exit: arrival x; floor switch: 1-based object record
    std::uint16_t arrivalYOrTimer; // exit: arrival y; floor switch: timer turns (low byte kept)
    std::uint8_t targetFloar;      // exit of sub-kind 5: floor number, or village area + 1
    std::uint8_t unused;

    bool operator==(const TBlockFloar&) const = default;
};
static_assert(sizeof(TBlockFloar) == 12);

// Kinds of TBlockFloar.
enum : std::uint8_t {
    BF_Exit = 1,
    BF_FloarSwitch = 2,
    BF_LevelFloar = 3,
    BF_ForcedLevelFloar = 4,
};

// Sub-kinds of an exit.
enum : std::uint8_t {
    EXIT_FloarUp = 1,    // to floor number current - 1
    EXIT_FloarDown = 2,  // to floor number current + 1
    EXIT_LeaveFirst = 3, // 3 and 4 both leave the dungeon or the village
    EXIT_LeaveLast = 4,
    EXIT_ToFloar = 5, // to the floor (or village area) given in targetFloar
};

#pragma pack(pop)
