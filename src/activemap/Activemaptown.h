#pragma once

#include "activemap/Activemap.h"
#include "activemap/Dungfloarparts.h"
#include "activemap/Townmapstate.h"

#include <cstddef>
#include <map>
#include <memory>

// One village area being played: its blocks, the heroine, the people standing
// there and the big objects placed on its blocks. There is at most one; the
// dungeon factory builds it and rebuilds it for every change of area.
class TActiveMapTown final : public IActiveMap {
public:
    // Village area `area` (from 0); the heroine stays her owner's. Raises
    // TGameError while another village map exists.
    TActiveMapTown(THero& heroine, int area, TVillageAreaParts parts);
    ~TActiveMapTown() override;

    // The one village map, or none.
    static TActiveMapTown* Instance() { return instance; }
    // The village map made from these, or the one that exists already, left
    // as it is: the parts are then let go. `made` owns the map only when it
    // was made here.
    struct TCreated {
        TActiveMapTown& map;
        std::unique_ptr<TActiveMapTown> made;
    };
    static TCreated CreateOrGet(THero& heroine, int area, TVillageAreaParts parts);

    // A change of area: the old one goes (its people stay the village's),
    // the new one starts waiting for the player.
    void Rebuild(int area, TVillageAreaParts parts);

    IState_AMap* GetState() const override { return current; }
    THero* GetHero() const override { return &hero; }
    IDungActer* GetHeroActer() const override;
    const TBlockGrid& GetBlocks() const override { return parts.blocks.Rows(); }
    const TBlockGrid& GetBlockGrid() const override { return parts.blocks.Rows(); }
    // Raises "マップからアクティブタウンステイト取得エラー" for a state the village has not.
    void SetState(MapState_Type type) override;
    int GetNumber() const override { return areaNo; }
    void Update() override;
    int GetWidth() const override { return width; }
    int GetHeight() const override { return height; }
    bool IsVillage() const override { return true; }

    std::size_t EnemyCount() const override { return 0; }
    IDungActer* EnemyAt(std::size_t index) const override;
    std::size_t PeopleCount() const override { return parts.people.size(); }
    IDungActer* PersonAt(std::size_t index) const override;
    std::size_t PlacedCount() const override { return parts.placed.size(); }
    IDungActer* PlacedAt(std::size_t index) const override;

private:
    void TakeArea(int area, TVillageAreaParts newParts);

    static TActiveMapTown* instance;

    int areaNo = 0;
    int width = 0;
    int height = 0;
    std::map<MapState_Type, std::unique_ptr<TState_TownMap>> states;
    TState_TownMap* current = nullptr;
    THero& hero;
    TVillageAreaParts parts;
};
