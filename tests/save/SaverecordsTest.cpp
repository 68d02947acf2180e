#include "save/Saverecords.h"

#include "support/FormatTesting.h"

#include <gtest/gtest.h>
#include <vector>

// Each record filled with distinct values must lie in memory exactly as the
// save file's tables give it, padding written as 0.
namespace {

template <typename TRecord> std::vector<std::uint8_t> MemoryOf(const TRecord& record) {
    const std::uint8_t* bytes = RecordBytes(record);
    return {bytes, bytes + sizeof record};
}

TEST(Saverecords, HeroRecordLayout) {
    TSaveHero hero{.identity = {1, 2, 3},
                   .x = -2,
                   .y = 300,
                   .direction = 6,
                   .hp = 7,
                   .attack = 0x0108,
                   .defence = 9,
                   .maxHp = 10,
                   .floar = 3,
                   .baseLevel = 2,
                   .next = 4,
                   .level = 5,
                   .treasures = {{1, 2}, {0, 0}, {9, 1}}};
    TBytes expected;
    expected.U8(1).U8(2).U8(3).U8(0);          // identity, padding
    expected.U16(0xfffe).U16(300).U8(6).U8(0); // x, y, direction, padding
    expected.U16(7).U16(0x0108).U16(9).U16(10);
    expected.U8(3).U8(2).U8(4).U8(5); // floor, base level, NEXT, level
    expected.U8(1).U8(2).U8(0).U8(0).U8(9).U8(1);
    EXPECT_EQ(MemoryOf(hero), expected.Bytes());
}

TEST(Saverecords, EnemyRecordLayout) {
    TSaveEnemy enemy{.mark = SaveEnemyMark,
                     .kind = 1,
                     .enemyKind = 7,
                     .x = 4,
                     .y = 5,
                     .direction = 3,
                     .hp = 0x0102,
                     .attack = 3,
                     .defence = 4,
                     .maxHp = 0x0506,
                     .aiType = 1,
                     .hasTarget = 1,
                     .targetX = -3,
                     .targetY = 0x01020304,
                     .targetDirection = 8};
    TBytes expected;
    expected.U8(2).U8(1).U8(7).U8(0).U16(4).U16(5).U8(3).U8(0);
    expected.U16(0x0102).U16(3).U16(4).U16(0x0506);
    expected.U8(1).U8(1).I32(-3).I32(0x01020304);
    expected.U8(8).U8(0).U8(0).U8(0);
    EXPECT_EQ(MemoryOf(enemy), expected.Bytes());
}

TEST(Saverecords, SmallRecordLayouts) {
    {
        SCOPED_TRACE("on/off");
        TSaveOnOff door{
            .kind = 1, .subKind = 4, .flag = 9, .x = 2, .y = 0x0203, .direction = 1, .on = 1};
        TBytes expected;
        expected.U8(1).U8(4).U8(9).U8(0).U16(2).U16(0x0203).U8(1).U8(0).U8(1).U8(0);
        EXPECT_EQ(MemoryOf(door), expected.Bytes());
    }
    {
        SCOPED_TRACE("item");
        TSaveItem sword{.kind = 2,
                        .id = 6,
                        .identity = 0,
                        .x = 7,
                        .y = 8,
                        .direction = 2,
                        .carryFlag = 1,
                        .maxDurability = 20,
                        .durability = 18,
                        .synthesis = 3};
        TBytes expected;
        expected.U8(2).U8(6).U8(0).U8(0).U16(7).U16(8).U8(2).U8(0);
        expected.U8(1).U8(20).U8(18).U8(3);
        EXPECT_EQ(MemoryOf(sword), expected.Bytes());
    }
    {
        SCOPED_TRACE("act");
        TSaveAct fairy{.kind = 4, .subValue = 5, .flag = 6, .x = -1, .y = 1, .direction = 7};
        TBytes expected;
        expected.U8(4).U8(5).U8(6).U8(0).U16(0xffff).U16(1).U8(7).U8(0);
        EXPECT_EQ(MemoryOf(fairy), expected.Bytes());
    }
    {
        SCOPED_TRACE("tile");
        TSaveTile tile{.kind = 2,
                       .switchKind = 1,
                       .x = 3,
                       .y = 4,
                       .direction = 2,
                       .countdown = 5,
                       .pressed = 1};
        TBytes expected;
        expected.U8(2).U8(1).U8(0).U8(0).U16(3).U16(4).U8(2).U8(0).U8(5).U8(1);
        EXPECT_EQ(MemoryOf(tile), expected.Bytes());
    }
}

TEST(Saverecords, ChestRecordLayout) {
    TSaveBox box{.keyNumber = 5,
                 .x = 6,
                 .y = 7,
                 .direction = 2,
                 .open = 1,
                 .contentKind = 3,
                 .contentId = 0x0a0b0c0d,
                 .eventNo = 4,
                 .eventPosition = 2,
                 .contentMaxDurability = 10,
                 .contentDurability = 9};
    TBytes expected;
    expected.U8(5).U8(0).U8(0).U8(0).U16(6).U16(7).U8(2).U8(0);
    expected.U8(1).U8(0).U8(3).U8(0).U8(0).U8(0);
    expected.I32(0x0a0b0c0d).U8(4).U8(2).U8(10).U8(9);
    EXPECT_EQ(MemoryOf(box), expected.Bytes());
}

} // namespace
