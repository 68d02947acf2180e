#pragma once

#include "activemap/Activemap.h"
#include "activemap/Dungfloarparts.h"
#include "activemap/Pendingobjects.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TActiveMapDung;
struct TSaveFloar;

// A turn state of a dungeon floor.
class TState_DungMap final : public IState_AMap {
public:
    TState_DungMap(TActiveMapDung& owner, MapState_Type stateType);

    IActiveMap& GetMap() const override;
    void Enter() override;
    MapState_Type GetType() const override { return type; }

private:
    MapState_Type type;
    TActiveMapDung& map;
};

// One dungeon floor being played: its blocks, rooms and enemies, the heroine
// on it and the floor's save lists. There is at most one; the dungeon factory
// builds it and rebuilds it for every change of floor.
class TActiveMapDung final : public IActiveMap {
public:
    // Floor `floarNumber` (from 1); the heroine and the save lists stay
    // their owners'. Raises TGameError while another dungeon map exists.
    TActiveMapDung(THero& heroine, int floarNumber, TDungFloarParts floar, TSaveFloar& floarSave);
    ~TActiveMapDung() override;

    // The one dungeon map, or none.
    static TActiveMapDung* Instance() { return instance; }

    // A change of floor: the old floor goes, the new one starts waiting for
    // the player. The name and the turn states stay.
    void Rebuild(int floarNumber, TDungFloarParts floar, TSaveFloar& floarSave);

    // Pressed timed floor switches, told of every turn until they spring back.
    void AddTimedSwitch(IDungActer& floarSwitch) override;
    std::size_t TimedSwitchCount() const { return timedSwitches.size(); }
    // Doors, switches and chests in motion, ticked with the floor until they
    // have finished.
    void AddPendingObject(IDungActer& actor) override;
    std::size_t PendingObjectCount() const { return pendingObjects.List().size(); }

    // The dungeon's name, for the window caption.
    void SetName(std::string sjisName) { name = std::move(sjisName); }
    const std::string& GetName() const { return name; }
    const std::vector<std::unique_ptr<TRoom>>& GetRooms() const { return floar.rooms; }

    IState_AMap* GetState() const override { return current; }
    THero* GetHero() const override { return &hero; }
    IDungActer* GetHeroActer() const override;
    const TBlockGrid& GetBlocks() const override { return floar.blocks.Rows(); }
    const TBlockGrid& GetBlockGrid() const override { return floar.blocks.Rows(); }
    // Raises "アクティブダンジョンマップステイト取得エラー" for a state the floor has not.
    void SetState(MapState_Type type) override;
    int GetNumber() const override { return floarNo; }
    void Update() override;
    int GetWidth() const override { return width; }
    int GetHeight() const override { return height; }
    bool IsVillage() const override { return false; }
    // Every enemy's AI memory into its record, before a game is saved.
    void SaveActorStates() override;

    std::size_t EnemyCount() const override { return floar.enemies.size(); }
    IDungActer* EnemyAt(std::size_t index) const override;
    std::size_t PeopleCount() const override { return 0; }
    IDungActer* PersonAt(std::size_t index) const override;
    std::size_t PlacedCount() const override { return 0; }
    IDungActer* PlacedAt(std::size_t index) const override;
    void RemoveItemRecord(const std::uint8_t* record) override;
    void RemoveObjectRecord(const std::uint8_t* record) override;

    // Every enemy at rest, ready for the player's next turn.
    void RestEnemies();

private:
    void TakeFloar(TDungFloarParts newFloar, TSaveFloar& newSave);

    static TActiveMapDung* instance;

    int floarNo;
    std::map<MapState_Type, std::unique_ptr<TState_DungMap>> states;
    TState_DungMap* current = nullptr;
    THero& hero;
    TDungFloarParts floar;
    std::vector<IDungActer*> timedSwitches;
    TPendingObjects pendingObjects;
    TSaveFloar* save = nullptr;
    int width = 0;
    int height = 0;
    std::string name;
};
