#pragma once

#include "world/Mapdata.h"

#include <cstdint>
#include <vector>

class TDataReader;
class TDataWriter;

// The squares of one floor the heroine has seen: row y, byte x, 0 not seen,
// 1 seen.
class TFloarClear {
public:
    TFloarClear(std::uint16_t width, std::uint16_t height);

    std::uint16_t Width() const { return width; }
    std::uint16_t Height() const { return height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // False outside the floor.
    bool IsSeen(int x, int y) const;
    void MarkSeen(int x, int y);
    int SeenCount() const;
    void Clear();

    bool operator==(const TFloarClear&) const = default;

private:
    friend class TSaveMapping;
    std::uint16_t width;
    std::uint16_t height;
    std::vector<std::vector<std::uint8_t>> rows;
};

// The seen squares of every floor of one dungeon, floor 1 first.
struct TStageClear {
    std::vector<TFloarClear> floars;
    bool operator==(const TStageClear&) const = default;
};

// What the heroine has seen on every floor of every dungeon: it survives
// leaving a dungeon and is kept in saved games.
class TSaveMapping {
public:
    // One floor per floor of the stage data, its size, nothing seen.
    explicit TSaveMapping(const TDungeonData& dungeons);

    // Stage and floor from 0; raises TGameError when there is none.
    TFloarClear& Floar(int stage, int floar);
    const TFloarClear& Floar(int stage, int floar) const;
    std::size_t StageCount() const { return stages.size(); }
    // Nothing seen anywhere: a new game.
    void ResetSeen();

    // The save file's block: u8 stage count; per stage u8 floor count; per
    // floor u16 width, u16 height, then height rows of width cell bytes.
    void WriteSeen(TDataWriter& writer) const;
    // Reads a block without touching this store, for a loader that checks
    // the whole save before it changes the game. Refuses with TGameError a
    // short block, counts and sizes that differ from this store (a save of
    // other game data) and cell bytes other than 0 and 1.
    TSaveMapping ReadChecked(TDataReader& reader) const;
    // ReadChecked and then takes the block; a refused block changes nothing.
    void ReadSeen(TDataReader& reader);

    bool operator==(const TSaveMapping&) const = default;

private:
    TSaveMapping() = default;
    std::vector<TStageClear> stages;
};
