#pragma once

#include "activemap/Mapstate.h"
#include "actors/Dastate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class IActiveMap;
class IDungActer;
class TDungBlock;
class THero;
class TOutField;

// Rows of blocks, indexed [row][column].
using TBlockGrid = std::vector<std::vector<TDungBlock*>>;

// One turn state of a map.
class IState_AMap {
public:
    virtual IActiveMap& GetMap() const = 0;
    virtual void Enter() = 0;
    // Follows the heroine into the turn her action starts.
    virtual void Tick(bool allIdle);
    virtual ~IState_AMap() = default;
    virtual MapState_Type GetType() const = 0;

protected:
    // Ticks of one block of walking, and of one dash step.
    static constexpr int WalkTicks = 4;
    static constexpr int DashTicks = 1;

    // A walk or a dash: a step under way.
    static bool IsMoving(DA_State state) { return state == das_Walk || state == das_Dash; }
    // The map's heroine.
    THero& Hero() const;

    // A turn that ended without a step leaves her waiting for the player: so
    // does the map, or nothing could be saved until she moved again.
    void EndTurnOnTheSpot();
    // Her step is over and nothing else happens: her next command, or the
    // player's.
    void TakeNextOrder();
};

// The map being played: a dungeon floor or an area of the village.
class IActiveMap {
public:
    static constexpr int OutFieldCount = 8;
    using TOutFields = std::array<std::unique_ptr<TOutField>, OutFieldCount>;

    IActiveMap();
    IActiveMap(const IActiveMap&) = delete;
    IActiveMap& operator=(const IActiveMap&) = delete;

    virtual IState_AMap* GetState() const = 0;
    virtual THero* GetHero() const = 0;
    virtual IDungActer* GetHeroActer() const = 0;
    virtual const TBlockGrid& GetBlocks() const = 0;
    virtual const TBlockGrid& GetBlockGrid() const = 0;
    virtual void SetState(MapState_Type type) = 0;
    virtual ~IActiveMap();
    // The floor number (dungeon, from 1) or the area number (village, 0 to 3).
    virtual int GetNumber() const = 0;
    // One tick of the map: the game loop calls it once per step.
    virtual void Update() = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual void SaveActorStates() {}
    virtual bool IsVillage() const = 0;

    // What moves on the map besides the heroine, in list order: the floor's
    // enemies, the village's people. Every map says what it holds; an empty
    // list is an answer, never a default.
    virtual std::size_t EnemyCount() const = 0;
    virtual IDungActer* EnemyAt(std::size_t index) const = 0;
    virtual std::size_t PeopleCount() const = 0;
    virtual IDungActer* PersonAt(std::size_t index) const = 0;
    // The walls and props the village places on its blocks.
    virtual std::size_t PlacedCount() const = 0;
    virtual IDungActer* PlacedAt(std::size_t index) const = 0;
    // Drop a taken item's, or a met fairy's or used force's, record from the
    // floor's save lists, so that it stays gone after a load. Only a dungeon
    // floor keeps those lists; on any other map this is an error.
    virtual void RemoveItemRecord(const std::uint8_t* record);
    virtual void RemoveObjectRecord(const std::uint8_t* record);
    // A door, switch or chest has started to move: the turn waits until it
    // reports finished. A pressed timed floor switch is told of every turn
    // until it springs back. Only a dungeon floor has such objects; on any
    // other map these are errors.
    virtual void AddPendingObject(IDungActer& actor);
    virtual void AddTimedSwitch(IDungActer& floarSwitch);

    // The heroine's commands, taken by her when she is ready.
    void OrderMove(std::uint8_t dir);
    void OrderDash(std::uint8_t dir);
    void OrderStop();
    void OrderAction();

    TDungBlock* HeroBlock() const;
    // The block she is walking to, or none.
    TDungBlock* HeroDestination() const;
    std::uint8_t HeroFacing() const;
    DA_State HeroStateId() const;
    // Where her body stands; the camera follows it.
    std::array<float, 3> HeroPosition() const;

    TDungBlock* BlockAt(int col, int row) const { return GetBlockGrid()[row][col]; }
    MapState_Type CurrentStateType() const { return GetState()->GetType(); }
    // The turn state as the game loop sees it.
    int GetMapState() const { return CurrentStateType(); }

    void SetOutFields(TOutFields fields);
    TOutField* OutField(int i) const;

private:
    TOutFields outFields;
};
