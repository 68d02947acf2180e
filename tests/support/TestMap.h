#pragma once

#include "activemap/Activemap.h"
#include "activemap/Ite_activemap.h"
#include "activemap/Pendingobjects.h"
#include "save/Saverecords.h"
#include "support/TestActers.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A floor drawn in text, one string per row:
//   '.' corridor floor   '#' wall piece   'C' counter   'B' closed chest
//   'D' closed door      'd' open door    '1'-'9' floor of that room
// The map becomes the proxy's active map for its lifetime; rooms are
// finished once the grid stands. Fighters are placed afterwards.
class TTestMap final : public IActiveMap {
public:
    TTestMap(std::initializer_list<std::string_view> rows, bool village = false);
    explicit TTestMap(const std::vector<std::string>& rows, bool village = false);
    ~TTestMap() override;

    TDungBlock& Block(int x, int y) const { return *BlockAt(x, y); }
    TRoom& Room(int number) const { return *rooms.at(number); }
    TTestFighter& PlaceHero(int x, int y, std::uint8_t dir, TFighterStatsInit stats = {},
                            int ticksPerMotion = 0);
    TTestFighter& PlaceEnemy(int x, int y, std::uint8_t dir, TFighterStatsInit stats = {},
                             int ticksPerMotion = 0);
    // Puts the heroine on the block of her record, as a floor is built.
    void PutHero(THero& heroine, TSaveHero& record);

    IState_AMap* GetState() const override { return current; }
    THero* GetHero() const override { return realHero; }
    IDungActer* GetHeroActer() const override { return hero; }
    const TBlockGrid& GetBlocks() const override { return grid; }
    const TBlockGrid& GetBlockGrid() const override { return grid; }
    void SetState(MapState_Type type) override;
    int GetNumber() const override { return 1; }
    void Update() override;
    int GetWidth() const override { return static_cast<int>(grid.front().size()); }
    int GetHeight() const override { return static_cast<int>(grid.size()); }
    bool IsVillage() const override { return village; }

    std::size_t EnemyCount() const override { return enemies.size(); }
    IDungActer* EnemyAt(std::size_t index) const override { return enemies[index]; }
    std::size_t PeopleCount() const override { return people.size(); }
    IDungActer* PersonAt(std::size_t index) const override { return people[index]; }
    std::size_t PlacedCount() const override { return placed.size(); }
    IDungActer* PlacedAt(std::size_t index) const override { return placed[index]; }
    // A dungeon floor notes what it forgets; the village keeps no such records.
    void RemoveItemRecord(const std::uint8_t* record) override;
    void RemoveObjectRecord(const std::uint8_t* record) override;
    // A dungeon floor waits for moving objects and counts turns for timed
    // switches as the dungeon map does; the village has none.
    void AddPendingObject(IDungActer& actor) override;
    void AddTimedSwitch(IDungActer& floarSwitch) override;
    // The end of a turn for the timed switches: each is told, and those
    // that have sprung back are told no more.
    void PassTurn();
    // Updates until the heroine and every moving object have finished; the
    // updates taken, or -1.
    int UpdateUntilIdle(int limit = 100);

    // What the village iterator sees.
    std::vector<IDungActer*> people;
    std::vector<IDungActer*> placed;
    std::vector<MapState_Type> stateChanges;
    std::vector<const std::uint8_t*> forgottenItems;
    std::vector<const std::uint8_t*> forgottenObjects;
    // Moving objects in the order they started, until they finish.
    const std::vector<IDungActer*>& PendingObjects() const { return pending.List(); }
    std::vector<IDungActer*> timedSwitches;

private:
    class TTestState;
    void Build(const std::vector<std::string_view>& rows);
    TTestFighter& Place(TActerKind kind, int x, int y, std::uint8_t dir, TFighterStatsInit stats,
                        int ticksPerMotion);

    bool village;
    // What the map brought because the test had not made it.
    bool ownsProxy = false;
    bool ownsStatus = false;
    bool ownsAutoMapping = false;
    TPendingObjects pending;
    bool lastIdle = true;
    std::vector<std::unique_ptr<TDungBlock>> blocks;
    TBlockGrid grid;
    std::map<int, std::unique_ptr<TRoom>> rooms;
    std::map<MapState_Type, std::unique_ptr<IState_AMap>> states;
    IState_AMap* current = nullptr;
    std::vector<std::unique_ptr<TTestFighter>> fighters;
    std::vector<IDungActer*> enemies;
    IDungActer* hero = nullptr;
    THero* realHero = nullptr;
};
