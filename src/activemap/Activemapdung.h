#pragma once

#include "activemap/Activemap.h"
#include "activemap/Dungfloarparts.h"
#include "activemap/Dungmapstate.h"
#include "activemap/Pendingobjects.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TEnemy;
struct TSaveFloar;

// One dungeon floor being played: its blocks, rooms and enemies, the heroine
// on it and the floor's save lists, and the turn that the floor plays in
// answer to every command of the player. There is at most one; the dungeon
// factory builds it and rebuilds it for every change of floor.
class TActiveMapDung final : public IActiveMap {
public:
    // Floor `floarNumber` (from 1); the heroine and the save lists stay
    // their owners'. Raises TGameError while another dungeon map exists.
    TActiveMapDung(THero& heroine, int floarNumber, TDungFloarParts floar, TSaveFloar& floarSave);
    ~TActiveMapDung() override;

    // The one dungeon map, or none.
    static TActiveMapDung* Instance() { return instance; }

    // A change of floor: the old floor goes, and with it every attack and
    // movement still waiting; the new one starts waiting for the player.
    // The name and the turn states stay.
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
    // Every enemy's AI memory into its record, before a game is saved.
    void SaveActorStates() override;
    bool IsVillage() const override { return false; }

    std::size_t EnemyCount() const override { return floar.enemies.size(); }
    IDungActer* EnemyAt(std::size_t index) const override;
    std::size_t PeopleCount() const override { return 0; }
    IDungActer* PersonAt(std::size_t index) const override;
    std::size_t PlacedCount() const override { return 0; }
    IDungActer* PlacedAt(std::size_t index) const override;
    void RemoveItemRecord(const std::uint8_t* record) override;
    void RemoveObjectRecord(const std::uint8_t* record) override;

    // What the turn states ask of the floor.
    // Every enemy at rest, ready for the player's next turn.
    void RestEnemies();
    // Every enemy decides its turn; those that attack queue up in list
    // order. True when one of them walks.
    bool LetEnemiesDecide(bool dash);
    std::size_t AttackerCount() const { return attackers.size(); }
    // The queued attacker at `index` strikes.
    void StartAttack(std::size_t index);
    void DropAttackers() { attackers.clear(); }
    bool HasPendingObjects() const { return !pendingObjects.List().empty(); }
    // A turn has passed for the timed switches; those that spring back are
    // told no more.
    void PollTimedSwitches();
    // She leaves the dungeon, alive with what she found or collapsed; the
    // dungeon operator then destroys this map.
    void ExitDungeon(bool failed);

private:
    void TakeFloar(TDungFloarParts newFloar, TSaveFloar& newSave);
    // One tick of every enemy, in list order; an enemy whose dying has just
    // played out leaves the floor. True when all have finished.
    bool TickEnemies();
    // Counts the defeat and takes the enemy off the floor; the map destroys
    // it once no walk over the enemies runs.
    void TakeOffFloar(TEnemy& enemy);
    void DestroyTakenOff(const std::vector<TEnemy*>& dead);

    static TActiveMapDung* instance;

    int floarNo;
    std::map<MapState_Type, std::unique_ptr<TState_DungMap>> states;
    TState_DungMap* current = nullptr;
    THero& hero;
    TDungFloarParts floar;
    // Enemies that decided to attack in this turn, in list order.
    std::vector<TEnemy*> attackers;
    std::vector<IDungActer*> timedSwitches;
    TPendingObjects pendingObjects;
    TSaveFloar* save = nullptr;
    int width = 0;
    int height = 0;
    std::string name;
};
