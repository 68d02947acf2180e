#include "save/Savefloar.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/SaveStateFixture.h"
#include "support/FormatTesting.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// One record of each kind the floor save takes something from, and of each
// kind it skips.
TFloarData SampleFloar() {
    TFloarData floar;
    floar.width = 8;
    floar.height = 5;
    floar.guests = {{2, 3, BG_Enemy, 4, 9, 2, 0, 0}, {4, 1, BG_Obstacle, 200, 6, 1, 2, 0}};
    floar.objects = {{1, 1, BO_Door, 3, 0, 1, 0, 0},        {3, 2, BO_Door, 2, 1, 1, 3, 0},
                     {6, 3, BO_WallSwitch, 1, 0, 0, 2, 0},  {1, 2, BO_Fairy, 5, 7, 2, 0, 0},
                     {2, 2, BO_Placeholder, 0, 0, 0, 0, 7}, {3, 1, BO_Door, 1, 1, 0, 0, 0},
                     {5, 1, BO_WallSwitch, 0, 0, 3, 0, 0}};
    floar.items = {{1, 1, BI_Key, 1, 0, 8, 9, 0, 0, 0}, {4, 2, BI_Equipment, 3, 5, 1, 2, 10, 9, 4}};
    floar.floarActers = {{6, 1, BF_Exit, EXIT_FloarDown, 3, 2, 0, 0},
                         {5, 3, BF_FloarSwitch, 1, 2, 0x0305, 0, 0}};
    floar.forces = {{2, 1, 3, 4, Sjis("力")}};
    floar.enemies = {{4, 11, 3, 1, 5}, {4, 12, 9, 9, 9}};
    return floar;
}

TEST(Savefloar, NewFloorTakesEachRecordFromItsFloorRecord) {
    const TSaveFloar save = NewFloarSave(2, SampleFloar());
    EXPECT_EQ(save.number, 2);
    // The enemy takes its values from the first table entry with its id.
    EXPECT_EQ(Records(save.enemies), (std::vector<TSaveEnemy>{{.mark = 2,
                                                               .kind = 1,
                                                               .enemyKind = 11,
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
                                                               .kind = 2,
                                                               .enemyKind = 200,
                                                               .x = 4,
                                                               .y = 1,
                                                               .direction = 1,
                                                               .hp = 3,
                                                               .attack = 0,
                                                               .defence = 6,
                                                               .maxHp = 3,
                                                               .aiType = 2,
                                                               .targetDirection = 8}}));
    // Doors of sub-kind 2 to 7 and wall switches; a door is open by its flag,
    // a switch on by its sub-kind.
    EXPECT_EQ(Records(save.onOffs),
              (std::vector<TSaveOnOff>{
                  {.kind = 1, .subKind = 3, .flag = 0, .x = 1, .y = 1, .direction = 1, .on = 0},
                  {.kind = 1, .subKind = 2, .flag = 1, .x = 3, .y = 2, .direction = 1, .on = 1},
                  {.kind = 3, .subKind = 1, .flag = 0, .x = 6, .y = 3, .direction = 0, .on = 1},
                  {.kind = 3, .subKind = 0, .flag = 0, .x = 5, .y = 1, .direction = 3, .on = 0}}));
    EXPECT_EQ(Records(save.items),
              (std::vector<TSaveItem>{
                  {.kind = 1, .id = 1, .x = 1, .y = 1, .direction = 2, .carryFlag = 1}}));
    EXPECT_EQ(Records(save.boxes), (std::vector<TSaveBox>{{.keyNumber = 5,
                                                           .x = 4,
                                                           .y = 2,
                                                           .direction = 2,
                                                           .open = 0,
                                                           .contentKind = 2,
                                                           .contentId = 3,
                                                           .eventNo = 1,
                                                           .eventPosition = 2,
                                                           .contentMaxDurability = 10,
                                                           .contentDurability = 9}}));
    // Fairies first, then the force points.
    EXPECT_EQ(Records(save.acts),
              (std::vector<TSaveAct>{
                  {.kind = 4, .subValue = 5, .flag = 7, .x = 1, .y = 2, .direction = 2},
                  {.kind = 2, .subValue = 0, .flag = 0, .x = 2, .y = 1, .direction = 2}}));
    // The countdown starts at the low byte of the timer.
    EXPECT_EQ(Records(save.tiles), (std::vector<TSaveTile>{{.kind = 2,
                                                            .switchKind = 1,
                                                            .x = 5,
                                                            .y = 3,
                                                            .direction = 2,
                                                            .countdown = 5,
                                                            .pressed = 0}}));
}

TEST(Savefloar, EnemyMissingFromTheFloorTableIsRefused) {
    TFloarData floar = SampleFloar();
    floar.guests[0].enemyId = 5;
    EXPECT_EQ(GameErrorOf([&] { NewFloarSave(1, floar); }),
              Sjis("IDからフロアでの敵プロパティ取得エラー"));
    // An obstacle block names no table entry.
    floar.guests[0].kind = BG_Obstacle;
    EXPECT_EQ(NewFloarSave(1, floar).enemies.front().hp, 3);
}

TEST(Savefloar, MoreEnemiesOrOnOffObjectsThanOneByteCountsAreRefused) {
    TFloarData floar;
    floar.guests.assign(MaxFloarEnemies + 1, TBlockGuest{0, 0, BG_Obstacle, 0, 1, 0, 2, 0});
    EXPECT_NE(GameErrorOf([&] { NewFloarSave(3, floar); }).find(Sjis("フロア 3 の敵")),
              std::string::npos);
    floar.guests.clear();
    // Placeholders do not count: only doors and switches get records.
    floar.objects.assign(MaxFloarOnOffs, TBlockObje{0, 0, BO_WallSwitch, 0, 0, 0, 0, 0});
    floar.objects.push_back({0, 0, BO_Placeholder, 0, 0, 0, 0, 0});
    EXPECT_EQ(NewFloarSave(3, floar).onOffs.size(), MaxFloarOnOffs);
    floar.objects.push_back({0, 0, BO_Door, 7, 0, 0, 0, 0});
    EXPECT_NE(GameErrorOf([&] { NewFloarSave(3, floar); }).find(Sjis("扉とスイッチ")),
              std::string::npos);
}

// Items taken from a floor leave its list by identity: kind, id, byte 2, x,
// y and direction. The padding and the values after byte 9 do not count.
TEST(Savefloar, RemovingAnItemComparesOnlyItsIdentity) {
    const TSaveItem taken{.kind = 2,
                          .id = 3,
                          .identity = 0,
                          .x = 4,
                          .y = 5,
                          .direction = 2,
                          .carryFlag = 1,
                          .maxDurability = 9,
                          .durability = 9};
    struct Case {
        int byte;
        bool removed;
    };
    const Case cases[] = {{0, false}, {1, false}, {2, false}, {3, true},  {4, false},
                          {5, false}, {6, false}, {7, false}, {8, false}, {9, true},
                          {10, true}, {11, true}, {12, true}, {13, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byte);
        TSaveFloar floar;
        TSaveItem other = taken;
        RecordBytes(other)[c.byte] ^= 0x40;
        floar.items = {taken, other};
        TSaveItem inHand = taken; // the picked-up item's own copy
        EXPECT_EQ(floar.RemoveItemRecords(RecordBytes(inHand)), c.removed ? 2u : 1u);
        EXPECT_EQ(floar.items.size(), c.removed ? 0u : 1u);
    }
}

TEST(Savefloar, RemovingByAListedRecordRemovesAllEqualAndKeepsTheOthersInPlace) {
    TSaveFloar floar;
    const TSaveAct fairy{.kind = BO_Fairy, .x = 1, .y = 2, .direction = 2};
    const TSaveAct force{.kind = SaveActForce, .x = 1, .y = 2, .direction = 2};
    floar.acts = {fairy, force, fairy};
    TSaveAct* kept = &*std::next(floar.acts.begin());
    // The fairy actor points at the first record itself.
    EXPECT_EQ(floar.RemoveActRecords(RecordBytes(floar.acts.front())), 2u);
    ASSERT_EQ(floar.acts.size(), 1u);
    EXPECT_EQ(&floar.acts.front(), kept);
    EXPECT_EQ(*kept, force);
}

TEST(Savefloar, FloorWithoutRecordsWritesItsSixZeroCounts) {
    TDataWriter writer;
    WriteFloarSave(writer, TSaveFloar{});
    EXPECT_EQ(writer.Bytes(), std::vector<std::uint8_t>(10, 0));
    EXPECT_EQ(FloarSaveCountsSize, 10u);
}

TEST(Savefloar, StreamHoldsTheCountsThenTheListsInOrder) {
    TSaveFloar floar;
    floar.enemies = {{.mark = 2, .kind = 2, .x = 1, .y = 1, .hp = 3, .maxHp = 3, .aiType = 2}};
    floar.onOffs = {{.kind = 3, .x = 2, .y = 1, .on = 1},
                    {.kind = 1, .subKind = 7, .x = 3, .y = 1}};
    floar.acts = {{.kind = 2, .x = 4, .y = 1, .direction = 2}};
    floar.tiles = {{.kind = 2, .switchKind = 2, .x = 5, .y = 1, .direction = 2, .pressed = 1}};
    TBytes expected;
    expected.U8(1).U8(2).U16(0).U16(1).U16(0).U16(1);
    expected.U8(2).U8(2).U8(0).U8(0).U16(1).U16(1).U8(0).U8(0);
    expected.U16(3).U16(0).U16(0).U16(3).U8(2).U8(0).I32(0).I32(0).U8(0).Repeat(0, 3);
    expected.U8(3).U8(0).U8(0).U8(0).U16(2).U16(1).U8(0).U8(0).U8(1).U8(0);
    expected.U8(1).U8(7).U8(0).U8(0).U16(3).U16(1).U8(0).U8(0).U8(0).U8(0);
    expected.U8(2).U8(0).U8(0).U8(0).U16(4).U16(1).U8(2).U8(0);
    expected.U8(2).U8(2).U8(0).U8(0).U16(5).U16(1).U8(2).U8(0).U8(0).U8(1);

    TDataWriter writer;
    WriteFloarSave(writer, floar);
    EXPECT_EQ(writer.Bytes(), expected.Bytes());
    TDataReader reader("Save1", expected.Bytes());
    floar.number = 4;
    EXPECT_EQ(ReadFloarSave(reader, 4), floar);
    EXPECT_TRUE(reader.AtEnd());
}

} // namespace
