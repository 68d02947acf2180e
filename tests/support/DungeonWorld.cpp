#include "support/DungeonWorld.h"

#include "activemap/Activemapproxy.h"
#include "actors/Enemy.h"
#include "save/Savedungeon.h"
#include "scene/NullEngine.h"
#include "world/Base3dutil.h"
#include "world/DataFile.h"
#include "world/Dungblock.h"

#include <utility>

namespace {

// Enough for any turn of a test floor; a turn that never ends is a fault.
constexpr int LongestTurn = 200;

} // namespace

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

std::string TDungeonWorld::Play(int ticks) {
    return Run(ticks, [](int) { return false; });
}

std::string TDungeonWorld::PlayTurn() {
    return Run(LongestTurn, [this](int) { return Waiting(); });
}

std::string TDungeonWorld::Step(std::uint8_t dir) {
    map->OrderMove(dir);
    bool held = true;
    // The key is let go once she walks; a turn comes first if she faced
    // elsewhere.
    return Run(LongestTurn, [this, &held](int) {
        if (held && Hero().GetStateId() == das_Walk) {
            map->OrderStop();
            held = false;
        }
        return !held && Waiting();
    });
}

std::string TDungeonWorld::Act() {
    map->OrderAction();
    return Run(LongestTurn, [this](int tick) {
        if (tick == 1) {
            map->OrderStop();
        }
        return Waiting();
    });
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

bool TDungeonWorld::Waiting() const {
    return map && map->GetMapState() == msWaitInput;
}

std::string TDungeonWorld::Run(int ticks, const std::function<bool(int)>& done) {
    std::string runs;
    std::string last;
    int count = 0;
    const auto close = [&] {
        if (count > 0) {
            runs += (runs.empty() ? "" : " ") + last + "x" + std::to_string(count);
        }
    };
    for (int tick = 1; tick <= ticks && map; ++tick) {
        const auto start = std::chrono::steady_clock::now();
        map->Update();
        if (tickTimes) {
            tickTimes->push_back(std::chrono::steady_clock::now() - start);
        }
        const std::string now = map ? std::to_string(map->GetMapState()) : "-";
        if (now != last) {
            close();
            last = now;
            count = 0;
        }
        ++count;
        if (map && done(tick)) {
            break;
        }
    }
    close();
    return runs;
}

TEnemy& TDungeonWorld::Enemy(std::size_t index) const {
    return static_cast<TEnemy&>(*map->EnemyAt(index));
}
