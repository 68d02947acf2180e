#pragma once

#include "actors/Enemydata.h"
#include "platform/SingleInstance.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class IActerBodySource;
class TEnemy;

// The obstacle block's body.
inline constexpr std::uint32_t ObstacleBlockBody = 57;

// Makes enemies from the enemy table and gives them their AI. One per
// program, made and released by the dungeon actor factory.
class TEnemyFactory : public TSingleInstance<TEnemyFactory> {
public:
    // Reads the enemy table; `bodies` must outlive the factory.
    explicit TEnemyFactory(const IActerBodySource& bodies,
                           std::string_view enemyDataPath = EnemyDataFile);

    // An enemy of the table's kind `id`, with its body and name; an id the
    // table lacks raises "IDからデータの取得エラー".
    std::unique_ptr<TEnemy> NewEnemy(std::int32_t id) const;
    std::unique_ptr<TEnemy> NewObstacleBlock() const;
    // The AI of the record's type: 0 patrol, 1 keeper, 2 one that never
    // acts, none for any other type.
    void AttachAI(TEnemy& enemy, std::uint8_t type) const;

private:
    const IActerBodySource& bodies;
    std::vector<TEnemyFile> enemies;
};
