#include "actors/Itemimp.h"

#include "platform/SjisText.h"
#include "support/TestItems.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<IItemImp> Sword(std::uint8_t maxDurability, std::uint8_t durability,
                                std::uint8_t synthesis = 0) {
    TSaveItem record = FloorItemRecord(BI_Equipment, 10);
    record.maxDurability = maxDurability;
    record.durability = durability;
    record.synthesis = synthesis;
    return TestItemDepot().MakeItem(record);
}

TEST(ItemWear, WearBreaksOnlyAtTheLastPointAndRepairRestores) {
    struct TCase {
        std::uint8_t maxDurability;
        std::uint8_t durability;
        bool wearBreaks;
        std::uint8_t durabilityAfter;
        bool brokenAfter;
    };
    const TCase cases[] = {
        {3, 1, true, 0, true},   {3, 3, false, 2, false}, {3, 0, false, 0, true},
        {0, 0, false, 0, false}, {0, 4, false, 4, false}, // unbreakable: no wear at all
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "durability " << int(c.durability) << " of " << int(c.maxDurability));
        auto item = Sword(c.maxDurability, c.durability);
        TItem_Equip& sword = *item->AsEquipment();
        EXPECT_EQ(sword.Wear(), c.wearBreaks);
        EXPECT_EQ(sword.GetRecord().durability, c.durabilityAfter);
        EXPECT_EQ(sword.IsBroken(), c.brokenAfter);
        EXPECT_EQ(sword.PowerIfUsable(), c.brokenAfter ? 0 : 3);
        EXPECT_TRUE(sword.Repair());
        EXPECT_EQ(sword.GetRecord().durability, c.maxDurability);
        EXPECT_FALSE(sword.IsBroken());
    }
}

TEST(ItemWear, ABrokenPieceCountsNeitherPowerNorDefence) {
    TSaveItem record = FloorItemRecord(BI_Equipment, 11);
    record.maxDurability = 1;
    record.durability = 1;
    record.synthesis = 2;
    auto item = TestItemDepot().MakeItem(record);
    const TItem_Equip& sword = *item->AsEquipment();
    EXPECT_EQ(sword.GetPower(), 8) << "attack 6 and two syntheses";
    EXPECT_EQ(sword.DefenceIfUsable(), 1);
    EXPECT_TRUE(item->Wear());
    EXPECT_EQ(sword.PowerIfUsable(), 0);
    EXPECT_EQ(sword.DefenceIfUsable(), 0);
    EXPECT_EQ(sword.GetPower(), 8) << "the values themselves stay";
}

TEST(ItemWear, KeysAndToolsNeitherRepairNorCountAsEquipment) {
    for (const auto& record : {FloorItemRecord(BI_Key, 1), FloorItemRecord(BI_Tool, 5)}) {
        auto item = TestItemDepot().MakeItem(record);
        EXPECT_FALSE(item->Repair());
        EXPECT_EQ(item->AsEquipment(), nullptr);
        EXPECT_EQ(item->GetRecord(), record);
    }
}

TEST(ItemNames, OnlySwordsShowTheirSynthesisCount) {
    struct TCase {
        TSaveItem record;
        std::uint8_t synthesis;
        const char* name;
    };
    const TCase cases[] = {
        {FloorItemRecord(BI_Equipment, 10), 2, "銅の剣 + 2"},
        {FloorItemRecord(BI_Equipment, 10), 0, "銅の剣"},
        {FloorItemRecord(BI_Equipment, 10), 12, "銅の剣 + 12"},
        {FloorItemRecord(BI_Equipment, 20), 2, "盾"},
        {FloorItemRecord(BI_Equipment, 30), 1, "兜"},
        {FloorItemRecord(BI_Key, 3), 0, "鍵3"},
        {FloorItemRecord(BI_Tool, 5), 1, "道具5"},
    };
    for (TCase c : cases) {
        c.record.synthesis = c.synthesis;
        EXPECT_EQ(TestItemDepot().MakeItem(c.record)->GetDisplayName(), Sjis(c.name)) << c.name;
    }
}

TEST(ItemCarry, OnlyAKeptIfAliveFlagTurnsPermanentWhenTaken) {
    struct TCase {
        std::uint8_t flag;
        std::uint8_t left;
    };
    for (const TCase c : {TCase{CF_Permanent, CF_Permanent}, TCase{CF_DungeonOnly, CF_DungeonOnly},
                          TCase{CF_KeptIfAlive, CF_Permanent}}) {
        auto item = TestItemDepot().NewItem(BI_Key, 1, c.flag);
        EXPECT_EQ(item->TakeCarryFlag(), c.flag);
        EXPECT_EQ(item->GetCarryFlag(), c.left) << int(c.flag);
    }
}

TEST(ItemSynthesis, TheBaseGainsAPointOfPowerAndOfDurabilityAndIsWhole) {
    auto item = Sword(4, 2);
    TItem_Equip& sword = *item->AsEquipment();
    sword.AddSynthesis();
    EXPECT_EQ(sword.GetDisplayName(), Sjis("銅の剣 + 1"));
    EXPECT_EQ(sword.GetPower(), 4);
    EXPECT_EQ(sword.GetRecord().maxDurability, 5);
    EXPECT_EQ(sword.GetRecord().durability, 5);

    // At the top of their bytes the counts stay: wrapping to 0 would make the
    // sword unbreakable.
    auto worn = Sword(255, 7, 255);
    worn->AsEquipment()->AddSynthesis();
    EXPECT_EQ(worn->GetRecord().synthesis, 255);
    EXPECT_EQ(worn->GetRecord().maxDurability, 255);
    EXPECT_EQ(worn->GetRecord().durability, 255);
}

} // namespace
