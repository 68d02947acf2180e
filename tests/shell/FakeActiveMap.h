#pragma once

#include "activemap/Activemap.h"

#include <functional>

// A map with no grid and no actors: only its number, its turn state and a
// hook into Update, as the game loop and the dungeon operator see a map.
class TFakeActiveMap final : public IActiveMap {
public:
    explicit TFakeActiveMap(int number = 1, MapState_Type state = msWaitInput)
        : floorOrArea(number), turnState(*this, state) {}

    IState_AMap* GetState() const override { return &turnState; }
    THero* GetHero() const override { return nullptr; }
    IDungActer* GetHeroActer() const override { return nullptr; }
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
    int GetWidth() const override { return 0; }
    int GetHeight() const override { return 0; }
    bool IsVillage() const override { return false; }
    std::size_t EnemyCount() const override { return 0; }
    IDungActer* EnemyAt(std::size_t) const override { return nullptr; }
    std::size_t PeopleCount() const override { return 0; }
    IDungActer* PersonAt(std::size_t) const override { return nullptr; }
    std::size_t PlacedCount() const override { return 0; }
    IDungActer* PlacedAt(std::size_t) const override { return nullptr; }

    int updates = 0;
    std::function<void()> onUpdate;

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
    TBlockGrid grid;
    mutable TState turnState;
};
