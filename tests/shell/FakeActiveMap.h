#pragma once

#include "activemap/Activemap.h"
#include "support/TestActers.h"
#include "world/Dungblock.h"

#include <functional>
#include <memory>

// A map of one block with the heroine on it and nothing else: its number,
// its turn state, the orders reserved on the heroine and a hook into Update,
// as the game loop, the dungeon operator and the game window see a map.
class TFakeActiveMap final : public IActiveMap {
public:
    explicit TFakeActiveMap(int number = 1, MapState_Type state = msWaitInput)
        : floorOrArea(number), turnState(*this, state) {
        block.SetUpBlock(0, 0, nullptr, nullptr);
        heroine.MoveTo(&block);
    }

    IState_AMap* GetState() const override { return &turnState; }
    THero* GetHero() const override { return nullptr; }
    IDungActer* GetHeroActer() const override { return &heroine; }
    const TBlockGrid& GetBlocks() const override { return grid; }
    const TBlockGrid& GetBlockGrid() const override { return grid; }
    void SetState(MapState_Type type) override { turnState.type = type; }
    int GetNumber() const override { return floorOrArea; }
    void Update() override {
        ++updates;
        if (onUpdate) {
            onUpdate();
        }
    }
    int GetWidth() const override { return 1; }
    int GetHeight() const override { return 1; }
    bool IsVillage() const override { return false; }
    std::size_t EnemyCount() const override { return 0; }
    IDungActer* EnemyAt(std::size_t) const override { return nullptr; }
    std::size_t PeopleCount() const override { return 0; }
    IDungActer* PersonAt(std::size_t) const override { return nullptr; }
    std::size_t PlacedCount() const override { return 0; }
    IDungActer* PlacedAt(std::size_t) const override { return nullptr; }

    int updates = 0;
    std::function<void()> onUpdate;
    mutable TTestHeroine heroine;

private:
    class TState final : public IState_AMap {
    public:
        TState(IActiveMap& owner, MapState_Type initial) : map(owner), type(initial) {}
        IActiveMap& GetMap() const override { return map; }
        void Enter() override {}
        MapState_Type GetType() const override { return type; }

        IActiveMap& map;
        MapState_Type type;
    };

    int floorOrArea;
    TDungBlock block;
    TBlockGrid grid{{&block}};
    mutable TState turnState;
};
