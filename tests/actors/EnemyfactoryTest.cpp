#include "actors/Enemyfactory.h"

#include "actors/Enemy.h"
#include "platform/GameFiles.h"
#include "platform/RandomSource.h"
#include "platform/SjisText.h"
#include "support/EnemyFloor.h"
#include "support/FakeBody.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// An enemy table in the game folder's Data/.
class EnemyFactory : public testing::Test {
protected:
    EnemyFactory() {
        CreateGameFolder("Data");
        TDataWriter writer;
        WriteEnemyData(writer, {{3, Sjis("スライム"), {1, 2, 3}, 20},
                                {5, Sjis("コウモリ"), {0, 0, 0}, 21},
                                {3, Sjis("にせもの"), {0, 0, 0}, 99}});
        writer.SaveTo(EnemyDataFile);
    }
    TEnemyFactory& Factory() {
        if (!factory) {
            factory.emplace(bodies);
        }
        return **factory;
    }

    TTempFolder folder;
    TRecordingBodies bodies;
    std::optional<TScopedInstance<TEnemyFactory>> factory;
};

TEST_F(EnemyFactory, MakesTheFirstKindOfAnIdWithItsBodyAndName) {
    const auto slime = Factory().NewEnemy(3);
    const auto bat = Factory().NewEnemy(5);
    EXPECT_EQ(bodies.asked, (std::vector<std::uint32_t>{20, 21}));
    EXPECT_EQ(slime->GetName(), Sjis("スライム"));
    EXPECT_EQ(bat->GetName(), Sjis("コウモリ"));
    EXPECT_FALSE(slime->IsObstacle());
    EXPECT_NE(slime->GetBody(), nullptr);
}

TEST_F(EnemyFactory, AnIdMissingFromTheTableIsAnError) {
    EXPECT_EQ(GameErrorOf([&] { Factory().NewEnemy(4); }), Sjis("IDからデータの取得エラー"));
    EXPECT_TRUE(bodies.asked.empty());
}

TEST_F(EnemyFactory, TheObstacleBlockHasItsOwnBodyAndName) {
    const auto block = Factory().NewObstacleBlock();
    EXPECT_EQ(bodies.asked, (std::vector<std::uint32_t>{ObstacleBlockBody}));
    EXPECT_EQ(ObstacleBlockBody, 57u);
    EXPECT_EQ(block->GetName(), Sjis("おじゃまブロック"));
    EXPECT_TRUE(block->IsObstacle());
}

TEST_F(EnemyFactory, AMissingOrBrokenTableNamesTheFile) {
    std::filesystem::remove("Data/EnemyData");
    EXPECT_EQ(GameErrorOf([&] { Factory(); }), Sjis("ファイルを開けません Data/EnemyData"));
    TDataWriter writer;
    writer.WriteU16(2);
    writer.SaveTo(EnemyDataFile);
    EXPECT_NE(GameErrorOf([&] { Factory(); }).find("Data/EnemyData"), std::string::npos);
}

TEST_F(EnemyFactory, TheAIFollowsTheRecordsTypeAndReplacesTheLastOne) {
    const TScopedInstance<TRandomSource> random(3);
    TTestMap map({"....", "####", "...."});
    map.PlaceHero(0, 2, DW_North);
    TEnemyFloor floor;
    TEnemy& enemy = floor.Put(map, 1, 0, DW_North, {EnemyAINone});
    TSaveEnemy& record = floor.records.back();
    record.targetDirection = DW_South;

    Factory().AttachAI(enemy, EnemyAIKeeper);
    EXPECT_TRUE(enemy.IsKeeper());
    enemy.Think(false);
    EXPECT_EQ(enemy.GetDecision(), das_Wait);
    enemy.SaveAIMemory();
    EXPECT_EQ(record.targetDirection, DW_South) << "a keeper keeps no memory";

    Factory().AttachAI(enemy, 7);
    EXPECT_FALSE(enemy.IsKeeper());
    enemy.Think(false);
    EXPECT_EQ(enemy.GetDecision(), das_Null) << "no AI: no decision";

    record.targetDirection = DW_None;
    Factory().AttachAI(enemy, EnemyAIPatrol);
    EXPECT_FALSE(enemy.IsKeeper());
    enemy.Think(false);
    EXPECT_EQ(enemy.GetDecision(), das_Walk);
    record.targetDirection = DW_South;
    enemy.SaveAIMemory();
    EXPECT_EQ(record.targetDirection, DW_None) << "a patrol writes its memory";
}

TEST_F(EnemyFactory, APatrolTakesItsMemoryWhicheverComesFirstPlacingOrItsAI) {
    // Both patrols remember the block (3, 0) east of them, with north to keep.
    TTestMap map({"....", "####", "...."});
    map.PlaceHero(3, 2, DW_North);
    std::vector<TSaveEnemy> records(2);
    for (int i = 0; i < 2; ++i) {
        TSaveEnemy& record = records[static_cast<std::size_t>(i)];
        PlaceRecord(record, i, 0, DW_West);
        record.hp = 3;
        record.hasTarget = 1;
        record.targetX = 3;
        record.targetY = 0;
        record.targetDirection = DW_North;
    }
    auto placedFirst = Factory().NewEnemy(3);
    auto attachedFirst = Factory().NewEnemy(3);

    map.Block(0, 0).SetGuest(placedFirst.get());
    placedFirst->PlaceEnemy(&map.Block(0, 0), records[0]);
    Factory().AttachAI(*placedFirst, EnemyAIPatrol);

    Factory().AttachAI(*attachedFirst, EnemyAIPatrol);
    map.Block(1, 0).SetGuest(attachedFirst.get());
    attachedFirst->PlaceEnemy(&map.Block(1, 0), records[1]);

    const TScopedInstance<TRandomSource> random(3);
    for (TEnemy* patrol : {attachedFirst.get(), placedFirst.get()}) {
        patrol->Think(false);
        EXPECT_EQ(patrol->GetDecision(), das_Walk);
        EXPECT_EQ(patrol->GetDirection(), DW_East) << "west was its way, east its target";
    }
}

} // namespace
