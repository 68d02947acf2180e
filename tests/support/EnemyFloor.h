#pragma once

#include "actors/Enemy.h"
#include "save/Savelist.h"
#include "support/RecordingAutoMapping.h"
#include "support/TestMap.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

struct TEnemyInit {
    std::uint8_t aiType = EnemyAIPatrol;
    TFighterStatsInit stats = {3, 2, 1};
    bool obstacle = false;
};

// Real enemies on a test floor, each with its record in a floor's list, as
// the dungeon factory places them: guest, PlaceEnemy, then the AI.
class TEnemyFloor {
public:
    TEnemy& Put(TTestMap& map, int x, int y, std::uint8_t dir, TEnemyInit init = {});
    // A patrol whose record remembers `memory`, as a saved game brings it back.
    TEnemy& PutRemembering(TTestMap& map, int x, int y, std::uint8_t dir,
                           const TEnemyMemory& memory);
    // Places an enemy on a record that already exists, e.g. one read back.
    TEnemy& PutOnRecord(TTestMap& map, TSaveEnemy& record, bool obstacle = false);
    // Destroys the enemy, as the map does once it has left the floor.
    void Destroy(TEnemy& enemy);

    TSaveList<TSaveEnemy> records;

private:
    TSaveEnemy& NewRecord(int x, int y, std::uint8_t dir, const TEnemyInit& init);

    std::vector<std::unique_ptr<TEnemy>> enemies;
};
