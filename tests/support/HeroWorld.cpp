#include "support/HeroWorld.h"

#include "actors/Enemyfactory.h"
#include "save/Savedungeon.h"
#include "support/TestContent.h"
#include "support/TestMap.h"
#include "world/Base3dutil.h"
#include "world/Mapdata.h"

THeroWorld::THeroWorld() {
    InstallTestContent(folder.Path());
    auto recording = std::make_unique<TRecordingBodies>();
    bodies = recording.get();
    factory = std::make_unique<TScopedInstance<TDungActFactory>>(std::move(recording));
    holder = std::make_unique<TScopedInstance<THerosBase>>(**factory);
    THerosBase::Instance().BindOutputs(&view, &links);
    proxy = std::make_unique<TScopedInstance<TActiveMapProxy>>(&scenes);
    status = std::make_unique<TScopedInstance<IFighterStatus, TRecordingStatus>>();
}

THero& THeroWorld::PutHero(TTestMap& map, int x, int y, std::uint8_t dir) {
    TStageData stage;
    stage.startX = static_cast<std::uint16_t>(x);
    stage.startY = static_cast<std::uint16_t>(y);
    record = NewDungeonHero(stage);
    record.direction = dir;
    map.PutHero(Hero(), record);
    return Hero();
}

TEnemy& THeroWorld::PutEnemy(TTestMap& map, int x, int y, std::unique_ptr<TEnemy> made, int defence,
                             std::uint8_t aiType) {
    TSaveEnemy& enemyRecord = enemyRecords.emplace_back();
    enemyRecord.kind = made->IsObstacle() ? EnemyKindObstacle : EnemyKindEnemy;
    PlaceRecord(enemyRecord, x, y, DW_South);
    enemyRecord.hp = enemyRecord.maxHp = 3;
    enemyRecord.defence = static_cast<std::uint16_t>(defence);
    enemyRecord.aiType = aiType;
    map.Block(x, y).SetGuest(made.get());
    made->PlaceEnemy(&map.Block(x, y), enemyRecord);
    TEnemyFactory::Instance().AttachAI(*made, aiType);
    enemies.push_back(std::move(made));
    return *enemies.back();
}

std::size_t THeroWorld::Give(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag) {
    THerosBase::Instance().GiveItem(kind, id, carryFlag);
    return Hero().ItemCount() - 1;
}
