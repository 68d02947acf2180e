#pragma once

#include "world/Mapdata.h"
#include "world/Towndata.h"

#include <cstdint>
#include <memory>
#include <string>

class IActerBodySource;
class TActiveMapDung;
class TActiveMapTown;
class TDungActFactory;
class THerosBase;

// Where the heroine arrives in the village from a dungeon or a new game.
inline constexpr int VillageArrivalX = 24;
inline constexpr int VillageArrivalY = 3;

// How she faces on arriving in another village area: diagonals become the
// straight way north or south, everything else is kept.
std::uint8_t VillageArrivalDirection(std::uint8_t facing);

// Builds dungeon floors and village areas from the stage and village data and
// the saved state, and hands them to the dungeon and village maps. It reads
// both data files once, when it is made, and keeps them.
class TDungFactory {
public:
    // The heroine holder and the bodies of the scenery must outlive the
    // factory; the actor factory is taken as it stands. Village areas are
    // peopled from the village's people and the story stage being played.
    TDungFactory(THerosBase& heroes, const IActerBodySource& bodies);
    ~TDungFactory();
    TDungFactory(const TDungFactory&) = delete;
    TDungFactory& operator=(const TDungFactory&) = delete;

    // Enters stage `stage` (from 0): afresh unless `fromSave`, when the
    // current dungeon save holds where she is. A new map.
    std::unique_ptr<TActiveMapDung> BuildStage(int stage, bool fromSave);
    // The current floor of the dungeon save into the existing dungeon map.
    TActiveMapDung& RebuildFloar();
    // The village area of the current village save if `fromSave`, else area
    // 0 with her at the village's arrival place. A new map.
    std::unique_ptr<TActiveMapTown> BuildVillage(bool fromSave);
    // The area her last exit leads to, into the existing village map.
    TActiveMapTown& RebuildVillageArea();
    // The dungeon trip is over: its save goes and area 0 is built anew.
    std::unique_ptr<TActiveMapTown> ReturnToVillage();

    const TDungeonData& Stages() const { return stages; }
    const TTownData& Areas() const { return areas; }

private:
    const TStageData& Stage(int stage) const;
    const TFieldData& Area(int area) const;
    // With `newMap` the map is new and returned; else the existing one is
    // remade and none is returned.
    std::unique_ptr<TActiveMapDung> BuildFloar(const TFloarData& floar, bool newMap);
    std::unique_ptr<TActiveMapTown> BuildField(int area, bool newMap);
    void NewVillageSave(int area, int x, int y, std::uint8_t direction);

    THerosBase& heroes;
    const IActerBodySource& bodies;
    TDungActFactory& actors;
    TDungeonData stages;
    TTownData areas;
};
