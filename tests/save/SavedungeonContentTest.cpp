#include "save/SaveStateFixture.h"
#include "save/Savedungeon.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>
#include <vector>

// A new dungeon made from the stages of the test content set, as the datatool
// compiles them.
namespace {

class SavedungeonContent : public SaveStateTest {
protected:
    void SetUp() override {
        InstallTestContent(folder.Path());
        stages = LoadDungeonData();
    }

    TTempFolder folder;
    TDungeonData stages;
};

TEST_F(SavedungeonContent, CaveRecordsMatchItsFloorData) {
    const TSaveDungeon& save = NewDungeonSave(1, stages.at(0));
    EXPECT_EQ(save.hero, (TSaveHero{.x = 1,
                                    .y = 3,
                                    .hp = 5,
                                    .attack = 2,
                                    .defence = 2,
                                    .maxHp = 5,
                                    .floar = 1,
                                    .baseLevel = 1,
                                    .next = 5,
                                    .level = 1}));
    ASSERT_EQ(save.floars.size(), 2u);

    const TSaveFloar& first = save.floars[0];
    EXPECT_EQ(Records(first.enemies), (std::vector<TSaveEnemy>{{.mark = 2,
                                                                .kind = 1,
                                                                .enemyKind = 1,
                                                                .x = 2,
                                                                .y = 3,
                                                                .direction = 2,
                                                                .hp = 5,
                                                                .attack = 3,
                                                                .defence = 1,
                                                                .maxHp = 5,
                                                                .aiType = 0,
                                                                .targetDirection = 8},
                                                               {.mark = 2,
                                                                .kind = 1,
                                                                .enemyKind = 2,
                                                                .x = 5,
                                                                .y = 1,
                                                                .direction = 3,
                                                                .hp = 8,
                                                                .attack = 5,
                                                                .defence = 2,
                                                                .maxHp = 8,
                                                                .aiType = 1,
                                                                .targetDirection = 8},
                                                               {.mark = 2,
                                                                .kind = 2,
                                                                .enemyKind = 0,
                                                                .x = 4,
                                                                .y = 3,
                                                                .direction = 0,
                                                                .hp = 3,
                                                                .attack = 0,
                                                                .defence = 2,
                                                                .maxHp = 3,
                                                                .aiType = 2,
                                                                .targetDirection = 8}}));
    EXPECT_EQ(Records(first.onOffs),
              (std::vector<TSaveOnOff>{
                  {.kind = 1, .subKind = 3, .x = 3, .y = 1, .direction = 1},
                  {.kind = 1, .subKind = 2, .flag = 1, .x = 3, .y = 2, .direction = 1, .on = 1},
                  {.kind = 3, .subKind = 0, .x = 6, .y = 3, .direction = 0},
                  {.kind = 1, .subKind = 7, .x = 3, .y = 3, .direction = 0}}));
    EXPECT_EQ(Records(first.items),
              (std::vector<TSaveItem>{
                  {.kind = 1, .id = 1, .x = 1, .y = 1, .direction = 2, .carryFlag = 1},
                  {.kind = 2,
                   .id = 1,
                   .x = 2,
                   .y = 1,
                   .direction = 2,
                   .carryFlag = 1,
                   .maxDurability = 20,
                   .durability = 18},
                  {.kind = 3, .id = 5, .x = 4, .y = 2, .direction = 2, .carryFlag = 1}}));
    EXPECT_EQ(Records(first.acts),
              (std::vector<TSaveAct>{{.kind = 4, .x = 1, .y = 2, .direction = 2},
                                     {.kind = 2, .x = 2, .y = 1, .direction = 2}}));
    EXPECT_EQ(Records(first.boxes), (std::vector<TSaveBox>{{.keyNumber = 5,
                                                            .x = 5,
                                                            .y = 2,
                                                            .direction = 2,
                                                            .contentKind = 3,
                                                            .contentId = 2,
                                                            .eventNo = 1,
                                                            .eventPosition = 2},
                                                           {.keyNumber = 1,
                                                            .x = 4,
                                                            .y = 1,
                                                            .direction = 2,
                                                            .contentKind = 2,
                                                            .contentId = 2,
                                                            .contentMaxDurability = 10,
                                                            .contentDurability = 10}}));
    EXPECT_EQ(Records(first.tiles),
              (std::vector<TSaveTile>{
                  {.kind = 2, .switchKind = 1, .x = 5, .y = 3, .direction = 2, .countdown = 5}}));

    const TSaveFloar& second = save.floars[1];
    EXPECT_EQ(Records(second.onOffs),
              (std::vector<TSaveOnOff>{{.kind = 1, .subKind = 4, .x = 4, .y = 1, .direction = 2},
                                       {.kind = 1, .subKind = 2, .x = 3, .y = 2, .direction = 2}}));
    EXPECT_EQ(
        Records(second.tiles),
        (std::vector<TSaveTile>{{.kind = 2, .switchKind = 2, .x = 3, .y = 1, .direction = 2}}));
    EXPECT_TRUE(second.enemies.empty() && second.items.empty() && second.acts.empty() &&
                second.boxes.empty());
}

TEST_F(SavedungeonContent, EveryStageSaveRoundTripsByteForByte) {
    for (size_t i = 0; i < stages.size(); ++i) {
        SCOPED_TRACE(i);
        TDataWriter writer;
        WriteDungeonSave(writer, NewDungeonSave(static_cast<std::uint8_t>(i + 1), stages[i]));
        TDataReader reader("Save1", writer.Bytes());
        EXPECT_EQ(ReadDungeonSave(reader), CurrentDungeonSave());
        EXPECT_TRUE(reader.AtEnd());
    }
}

} // namespace
