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

// Makes enemies from the enemy table. One per program, made and released by
// the dungeon actor factory.
class TEnemyFactory : public TSingleInstance<TEnemyFactory> {
public:
    // Reads the enemy table; `bodies` must outlive the factory.
    explicit TEnemyFactory(const IActerBodySource& bodies,
                           std::string_view enemyDataPath = EnemyDataFile);

    // An enemy of the table's kind `id`, with its body and name; an id the
    // table lacks raises "IDからデータの取得エラー".
    std::unique_ptr<TEnemy> NewEnemy(std::int32_t id) const;
    std::unique_ptr<TEnemy> NewObstacleBlock() const;

    const std::vector<TEnemyFile>& Enemies() const { return enemies; }

private:
    const IActerBodySource& bodies;
    std::vector<TEnemyFile> enemies;
};
