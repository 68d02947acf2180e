#include "actors/Itemacter.h"

#include "support/FakeBody.h"
#include "support/TestItems.h"
#include "support/TestMap.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

TSaveItem RecordAt(const std::uint8_t* bytes) {
    TSaveItem record;
    std::memcpy(&record, bytes, sizeof record);
    return record;
}

TEST(ItemActer, LiesStillAndIsStruckAtLikeEmptyFloor) {
    TItemActer acter(TestItemDepot().MakeItem(FloorItemRecord(BI_Key, 2, 4, 1)),
                     std::make_unique<TFakeBody>());
    EXPECT_EQ(acter.GetKind(), TActerKind::Item);
    for (std::uint8_t dir = 0; dir < DW_None; ++dir) {
        EXPECT_EQ(acter.ActionFor(dir), dac_Attack);
    }
    EXPECT_EQ(acter.GetState(), nullptr);
    EXPECT_EQ(acter.GetDirection(), DW_South);
    EXPECT_EQ(RecordAt(acter.GetIdentity()), FloorItemRecord(BI_Key, 2, 4, 1));
    EXPECT_EQ(acter.GetIdentity(), acter.GetRecord());
}

TEST(ItemActer, TheTakenItemStillLeavesTheFloorsSaveList) {
    TTestMap map({".."});
    TSaveItem record = FloorItemRecord(BI_Equipment, 20, 1, 0);
    record.maxDurability = 3;
    record.durability = 3;
    map.Block(1, 0).SetItem(TestItemActer(record));
    TItemActer& acter = *map.Block(1, 0).GetItem();
    const std::uint8_t* lyingRecord = acter.GetRecord();

    std::unique_ptr<IItemImp> taken = acter.TakeItem();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(acter.GetItem(), nullptr);
    EXPECT_EQ(acter.TakeItem(), nullptr) << "handed over once";
    // Whatever happens to the taken item, the floor knows the lying one.
    taken->Wear();
    taken.reset();
    EXPECT_EQ(RecordAt(lyingRecord), record);

    map.Block(1, 0).DeleteItem();
    EXPECT_EQ(map.forgottenItems, (std::vector<const std::uint8_t*>{lyingRecord}));
    EXPECT_EQ(map.Block(1, 0).GetItem(), nullptr);
}

TEST(ItemActer, ItemsOnTheFloorLookLikeTheirKind) {
    struct TCase {
        std::uint8_t kind;
        std::uint8_t id;
        std::uint32_t body;
    };
    const TCase cases[] = {{BI_Key, 1, 5},         {BI_Key, 2, 40},       {BI_Key, 3, 41},
                           {BI_Key, 4, 42},        {BI_Equipment, 10, 8}, {BI_Equipment, 20, 9},
                           {BI_Equipment, 30, 10}, {BI_Tool, 5, 70},      {BI_Tool, 1, 70}};
    for (const TCase& c : cases) {
        TRecordingBodies bodies;
        const auto acter =
            NewItemOnFloor(TestItemDepot().MakeItem(FloorItemRecord(c.kind, c.id)), bodies);
        EXPECT_EQ(bodies.asked, std::vector<std::uint32_t>{c.body})
            << "kind " << int(c.kind) << " id " << int(c.id);
        EXPECT_NE(acter->GetBody(), nullptr);
    }
    // Keys without a colour of their own ask for body 0.
    EXPECT_EQ(KeyOnFloorBody(0), 0);
    EXPECT_EQ(KeyOnFloorBody(5), 0);
}

} // namespace
