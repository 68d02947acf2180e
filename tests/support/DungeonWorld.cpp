#include "support/DungeonWorld.h"

#include "activemap/Activemapproxy.h"
#include "actors/Enemy.h"
#include "save/Savedungeon.h"
#include "scene/NullEngine.h"
#include "world/Base3dutil.h"
#include "world/DataFile.h"
#include "world/Dungblock.h"

#include <utility>

TDungeonWorld::TRealBodies::TRealBodies()
    : grphFactory(std::make_unique<TNullGrph>(), [] { return std::make_unique<TNullEngine>(); }),
      objes(grphFactory), acters(objes), bodies(acters) {}

TDungeonWorld::TDungeonWorld(TWorldBodies kind, std::uint32_t seed)
    : random(seed), automap(static_cast<TRecordingAutoMapping&>(*automapInstance)) {
    if (kind == TWorldBodies::Real) {
        realBodies.emplace();
        heroes.bodies->real = &realBodies->bodies;
    }
    // What the dungeon operator does when the floor asks.
    heroes.scenes.changeFloor = [this] {
        map->SaveActorStates();
        factory->RebuildFloar();
    };
    heroes.scenes.endDungeonVisit = [this] { map.reset(); };
}

TDungeonWorld::~TDungeonWorld() {
    map.reset();
    factory.reset();
    TSaveDungeon::ReleaseInstance();
}

TActiveMapDung& TDungeonWorld::Enter(const TDungeonData& stages) {
    TDataWriter writer;
    WriteDungeonData(writer, stages);
    writer.SaveTo(DungDataFile);
    map.reset();
    factory = std::make_unique<TDungFactory>(THerosBase::Instance(), heroes.Factory().Bodies());
    map = factory->BuildStage(0, false);
    return *map;
}

TActiveMapDung& TDungeonWorld::EnterFromSave() {
    map.reset();
    map = factory->BuildStage(CurrentDungeonSave().number, true);
    return *map;
}

std::string TDungeonWorld::Roam(int turn) {
    const std::uint8_t enemyWay = FirstWay(turn, [](const TDungBlock& block) {
        return block.GetGuest() && block.GetGuest()->GetKind() == TActerKind::Enemy;
    });
    const std::uint8_t freeWay =
        FirstWay(turn * 3, [](const TDungBlock& block) { return block.IsFreeForHero(); });
    if (enemyWay != DW_None && (turn % 3 == 0 || freeWay == DW_None)) {
        Hero().TurnTo(enemyWay);
        return Act();
    }
    return freeWay != DW_None ? Step(freeWay) : Act();
}

std::uint8_t TDungeonWorld::FirstWay(int start,
                                     const std::function<bool(const TDungBlock&)>& fits) const {
    for (int i = 0; i < 8; ++i) {
        const auto way = static_cast<std::uint8_t>((start + i) % 8);
        const TDungBlock* next =
            TActiveMapProxy::Instance().GetOpenNeighbour(Hero().GetBlock(), way);
        if (next && fits(*next)) {
            return way;
        }
    }
    return DW_None;
}

TEnemy& TDungeonWorld::Enemy(std::size_t index) const {
    return static_cast<TEnemy&>(*map->EnemyAt(index));
}
