#pragma once

#include "activemap/Activemapproxy.h"
#include "actors/Dungactfactory.h"
#include "actors/Enemy.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/SingleInstance.h"
#include "save/Savelist.h"
#include "save/Saverecords.h"
#include "support/FakeBody.h"
#include "support/RecordingHero.h"
#include "support/RecordingScenes.h"
#include "support/RecordingStatus.h"
#include "support/TempFolder.h"

#include <cstdint>
#include <memory>
#include <vector>

class TTestMap;

// The heroine as the game holds her: a game folder with the test content,
// the actor factory making fake bodies, the heroine holder with everything
// she shows and starts recorded, and a proxy whose scene changes are noted.
// Floors are test maps made afterwards, which take this proxy.
class THeroWorld {
public:
    THeroWorld();
    THeroWorld(const THeroWorld&) = delete;
    THeroWorld& operator=(const THeroWorld&) = delete;

    THero& Hero() const { return THerosBase::Instance().GetHero(); }
    TFakeBody& HeroBody() const { return static_cast<TFakeBody&>(*Hero().GetBody()); }
    const TDungActFactory& Factory() const { return TDungActFactory::Instance(); }
    // Puts her on `map` at (x, y) facing `dir`, with the values of a new
    // dungeon trip in `record`.
    THero& PutHero(TTestMap& map, int x, int y, std::uint8_t dir = 0);
    // Stands an enemy made by the factory on (x, y) with 3 hit points; the
    // world keeps it and its record.
    TEnemy& PutEnemy(TTestMap& map, int x, int y, std::unique_ptr<TEnemy> made, int defence,
                     std::uint8_t aiType = 0);
    // Gives her an item of the test content's tables and answers its position.
    std::size_t Give(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag = 0);

    TRecordingHeroView view;
    TRecordingHeroLinks links;
    TRecordingScenes scenes;
    TRecordingBodies* bodies = nullptr;
    TSaveHero record;
    TSaveList<TSaveEnemy> enemyRecords;

private:
    TTempFolder folder;
    std::unique_ptr<TScopedInstance<TDungActFactory>> factory;
    std::unique_ptr<TScopedInstance<THerosBase>> holder;
    std::unique_ptr<TScopedInstance<TActiveMapProxy>> proxy;
    std::unique_ptr<TScopedInstance<IFighterStatus, TRecordingStatus>> status;
    std::vector<std::unique_ptr<TEnemy>> enemies;
};
