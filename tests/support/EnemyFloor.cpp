#include "support/EnemyFloor.h"

#include "support/FakeBody.h"

#include <algorithm>

TSaveEnemy& TEnemyFloor::NewRecord(int x, int y, std::uint8_t dir, const TEnemyInit& init) {
    TSaveEnemy& record = records.emplace_back();
    record.mark = SaveEnemyMark;
    record.kind = init.obstacle ? EnemyKindObstacle : EnemyKindEnemy;
    PlaceRecord(record, x, y, dir);
    record.hp = record.maxHp = static_cast<std::uint16_t>(init.stats.hp);
    record.attack = static_cast<std::uint16_t>(init.stats.attack);
    record.defence = static_cast<std::uint16_t>(init.stats.defence);
    record.aiType = init.aiType;
    record.targetDirection = DW_None;
    return record;
}

TEnemy& TEnemyFloor::Put(TTestMap& map, int x, int y, std::uint8_t dir, TEnemyInit init) {
    return PutOnRecord(map, NewRecord(x, y, dir, init), init.obstacle);
}

TEnemy& TEnemyFloor::PutRemembering(TTestMap& map, int x, int y, std::uint8_t dir,
                                    const TEnemyMemory& memory) {
    TSaveEnemy& record = NewRecord(x, y, dir, {});
    record.hasTarget = memory.hasTarget ? 1 : 0;
    record.targetX = memory.x;
    record.targetY = memory.y;
    record.targetDirection = memory.direction;
    return PutOnRecord(map, record);
}

TEnemy& TEnemyFloor::PutOnRecord(TTestMap& map, TSaveEnemy& record, bool obstacle) {
    auto enemy = std::make_unique<TEnemy>(std::make_unique<TFakeBody>(),
                                          obstacle ? "block" : "enemy", obstacle);
    TDungBlock& block = map.Block(record.x, record.y);
    block.SetGuest(enemy.get());
    enemy->PlaceEnemy(&block, record);
    enemy->AttachAI(NewEnemyAI(record.aiType, *enemy));
    enemies.push_back(std::move(enemy));
    return *enemies.back();
}

void TEnemyFloor::Destroy(TEnemy& enemy) {
    std::erase_if(enemies, [&](const auto& held) { return held.get() == &enemy; });
}
