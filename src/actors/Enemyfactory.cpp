#include "actors/Enemyfactory.h"

#include "actors/Acterbody.h"
#include "actors/Enemy.h"
#include "actors/Enemyai.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"

TEnemyFactory::TEnemyFactory(const IActerBodySource& bodySource, std::string_view enemyDataPath)
    : bodies(bodySource), enemies(LoadEnemyData(enemyDataPath)) {}

std::unique_ptr<TEnemy> TEnemyFactory::NewEnemy(std::int32_t id) const {
    const TEnemyFile* kind = FindEnemyFile(enemies, id);
    if (!kind) {
        throw TGameError(Sjis("IDからデータの取得エラー"));
    }
    return std::make_unique<TEnemy>(bodies.NewBody(static_cast<std::uint32_t>(kind->acterNo)),
                                    kind->name, false);
}

std::unique_ptr<TEnemy> TEnemyFactory::NewObstacleBlock() const {
    static const std::string obstacleName = Sjis("おじゃまブロック");
    return std::make_unique<TEnemy>(bodies.NewBody(ObstacleBlockBody), obstacleName, true);
}

void TEnemyFactory::AttachAI(TEnemy& enemy, std::uint8_t type) const {
    enemy.AttachAI(NewEnemyAI(type, enemy));
}
