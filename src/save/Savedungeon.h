#pragma once

#include "platform/SingleInstance.h"
#include "save/Savefloar.h"
#include "save/Saverecords.h"

#include <cstdint>
#include <vector>

class TDataReader;
class TDataWriter;
struct TStageData;

// The state of the dungeon being played: the heroine's record and every
// floor's records. It is the live state the actors change, and what a save
// file holds while she is in a dungeon. There is one current dungeon save;
// making or loading a new one replaces it.
class TSaveDungeon : public TSingleInstance<TSaveDungeon> {
public:
    TSaveDungeon() = default;
    // Actors point into it: never copied, only handed over whole.
    TSaveDungeon(const TSaveDungeon&) = delete;
    TSaveDungeon& operator=(const TSaveDungeon&) = delete;
    TSaveDungeon(TSaveDungeon&&) = default;
    TSaveDungeon& operator=(TSaveDungeon&&) = default;

    // Floor `number`, from 1; raises TGameError when there is none.
    TSaveFloar& Floar(int number);

    std::uint8_t number = 0; // the dungeon
    TSaveHero hero;
    std::vector<TSaveFloar> floars; // floor 1 first

    bool operator==(const TSaveDungeon& other) const {
        return number == other.number && hero == other.hero && floars == other.floars;
    }
};

// The heroine at the start of a dungeon trip: at the stage's start, facing
// north, level 1.
TSaveHero NewDungeonHero(const TStageData& stage);

// Makes the current dungeon save for a fresh entry into dungeon `number`.
// Raises "IDからフロアでの敵プロパティ取得エラー" for a guest whose enemy is not in
// its floor's table, and TGameError when the start floor does not exist.
TSaveDungeon& NewDungeonSave(std::uint8_t number, const TStageData& stage);

// u8 dungeon number, the 28-byte heroine record, u8 floor count, the floors.
// Reading refuses a short stream, counts larger than what follows, records of
// unknown kinds and a heroine on a floor the save does not hold.
TSaveDungeon ReadDungeonSave(TDataReader& reader);
void WriteDungeonSave(TDataWriter& writer, const TSaveDungeon& save);

// Reads a dungeon save and makes it the current one; on a refused stream the
// current one stays as it was.
TSaveDungeon& LoadDungeonSave(TDataReader& reader);
void WriteDungeonSave(TDataWriter& writer);

TSaveDungeon& CurrentDungeonSave();
// The floor the heroine is on (byte 18 of her record).
TSaveFloar& CurrentFloorSave();
int CurrentFloorNumber();
