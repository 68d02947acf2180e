#include "actors/Itempropdepot.h"

#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "support/TestItems.h"

#include <gtest/gtest.h>
#include <typeinfo>

namespace {

TEST(ItemPropDepot, MakesTheItemOfEachKindWithACopyOfItsRecord) {
    struct TCase {
        std::uint8_t kind;
        std::uint8_t id;
        const std::type_info& madeClass;
        const char* name;
    };
    const TCase cases[] = {
        {BI_Key, 1, typeid(TItem_Key), "鍵1"},
        {BI_Key, 4, typeid(TItem_Key), "鍵4"},
        {BI_Equipment, 10, typeid(TItem_Equip), "銅の剣"},
        {BI_Equipment, 11, typeid(TItem_Equip), "鋼の剣"},
        {BI_Equipment, 20, typeid(TItem_Equip), "盾"},
        {BI_Equipment, 30, typeid(TItem_Equip), "兜"},
        {BI_Tool, 1, typeid(TToolItem), "道具1"},
        {BI_Tool, 5, typeid(TToolItem), "道具5"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TSaveItem record = FloorItemRecord(c.kind, c.id, 7, -3);
        record.maxDurability = 4;
        record.durability = 2;
        record.padding2 = 9;
        const auto item = TestItemDepot().MakeItem(record);
        ASSERT_NE(item, nullptr);
        const IItemImp& made = *item;
        EXPECT_EQ(typeid(made), c.madeClass);
        EXPECT_EQ(item->GetRecord(), record);
        EXPECT_EQ(item->GetKind(), c.kind);
        EXPECT_EQ(item->GetId(), c.id);
        EXPECT_EQ(item->GetDisplayName(), Sjis(c.name));
    }
}

TEST(ItemPropDepot, EquipmentTakesItsValuesFromItsProperty) {
    const auto item = TestItemDepot().MakeItem(FloorItemRecord(BI_Equipment, 30));
    const TItem_Equip& helmet = *item->AsEquipment();
    EXPECT_EQ(&helmet.GetProperty(), &TestItemDepot().EquipmentById(30));
    EXPECT_EQ(helmet.GetType(), 3);
    EXPECT_EQ(helmet.GetRequiredLevel(), 2);
    EXPECT_EQ(helmet.GetPower(), 1);
    EXPECT_EQ(helmet.GetDefenceValue(), 1);
}

TEST(ItemPropDepot, KindsThatAreNoItemMakeNone) {
    const std::uint8_t kinds[] = {0, 4, 255};
    for (const std::uint8_t kind : kinds) {
        EXPECT_EQ(TestItemDepot().MakeItem(FloorItemRecord(kind, 1)), nullptr) << int(kind);
    }
}

TEST(ItemPropDepot, ANewItemIsZeroButForKindIdAndCarryFlag) {
    const auto key = TestItemDepot().NewItem(BI_Key, 2, CF_Permanent);
    TSaveItem expected;
    expected.kind = BI_Key;
    expected.id = 2;
    EXPECT_EQ(key->GetRecord(), expected);
    EXPECT_EQ(key->GetDisplayName(), Sjis("鍵2"));

    const auto sword = TestItemDepot().NewItem(BI_Equipment, 11, CF_KeptIfAlive);
    EXPECT_EQ(sword->GetCarryFlag(), CF_KeptIfAlive);
    EXPECT_FALSE(sword->AsEquipment()->IsBroken()) << "no durability: it never wears";
}

TEST(ItemPropDepot, LooksUpKeysAndToolsByNumberFromOne) {
    struct TCase {
        std::uint8_t kind;
        int number;
        const char* name; // null: no such number
    };
    const TCase cases[] = {{BI_Key, 1, "鍵1"},    {BI_Key, 4, "鍵4"},    {BI_Key, 0, nullptr},
                           {BI_Key, 5, nullptr},  {BI_Key, -1, nullptr}, {BI_Tool, 5, "道具5"},
                           {BI_Tool, 6, nullptr}, {BI_Tool, 0, nullptr}};
    for (const TCase& c : cases) {
        const TItemProp* prop = TestItemDepot().ItemProperty(c.kind, c.number);
        if (c.name) {
            ASSERT_NE(prop, nullptr) << int(c.kind) << " " << c.number;
            EXPECT_EQ(PropName(prop->name), Sjis(c.name));
        } else {
            EXPECT_EQ(prop, nullptr) << int(c.kind) << " " << c.number;
        }
    }
}

TEST(ItemPropDepot, UnknownKindsAndIdsRaise) {
    const std::string badKind = Sjis("通常アイテムプロパティ取得エラー");
    const std::uint8_t kinds[] = {0, 2, 4};
    for (const std::uint8_t kind : kinds) {
        EXPECT_EQ(GameErrorOf([&] { TestItemDepot().ItemProperty(kind, 1); }), badKind);
    }
    const std::string badEquipment = Sjis("ID指定による装備プロパティ取得エラー");
    EXPECT_EQ(GameErrorOf([] { TestItemDepot().EquipmentById(99); }), badEquipment);
    EXPECT_EQ(GameErrorOf([] { TestItemDepot().MakeItem(FloorItemRecord(BI_Equipment, 0)); }),
              badEquipment);
    EXPECT_EQ(TestItemDepot().EquipmentById(30).type, 3);

    // A key or tool the table lacks would have no name: refused, naming the table.
    EXPECT_EQ(GameErrorOf([] { TestItemDepot().MakeItem(FloorItemRecord(BI_Key, 5)); }),
              Sjis("鍵 5 のプロパティが Data/ItemData にありません"));
    EXPECT_EQ(GameErrorOf([] { TestItemDepot().NewItem(BI_Tool, 0, CF_Permanent); }),
              Sjis("道具 0 のプロパティが Data/ItemData にありません"));
}

TEST(ItemPropDepot, ListsEquipmentAsTheFileDoesWhileItemsKeepTheirOwnType) {
    // One record under type 1, two under type 2, one under type 3; the first
    // names type 2 itself, and a later one repeats id 2.
    const TItemPropDepot depot(TEQData{{TestEquipProp("A", 1, 2), TestEquipProp("B", 2, 1),
                                        TestEquipProp("C", 2, 2), TestEquipProp("D", 4, 3)},
                                       {1, 2, 1}},
                               TItemData{});
    const auto names = [&](std::uint8_t type) {
        std::vector<std::string> result;
        for (const TEquipItemProp* prop : depot.EquipmentListedAs(type)) {
            result.push_back(PropName(prop->name));
        }
        return result;
    };
    EXPECT_EQ(names(1), (std::vector<std::string>{"A"}));
    EXPECT_EQ(names(2), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(names(3), (std::vector<std::string>{"D"}));
    EXPECT_TRUE(names(0).empty());
    EXPECT_TRUE(names(4).empty());
    EXPECT_EQ(depot.MakeItem(FloorItemRecord(BI_Equipment, 1))->AsEquipment()->GetType(), 2);
    EXPECT_EQ(PropName(depot.EquipmentById(2).name), "B") << "the first with the id wins";
}

TEST(ItemPropDepot, ReadsBothFilesOfTheDataFolder) {
    TTempFolder folder;
    CreateGameFolder("Data");
    TDataWriter items;
    WriteItemData(items, TItemData{{TestItemProp(Sjis("赤い鍵"))}, {}});
    items.SaveTo(ItemDataFile);
    EXPECT_NE(GameErrorOf([] { TItemPropDepot depot; }).find(EQDataFile), std::string::npos);

    TDataWriter equipment;
    WriteEQData(equipment, TEQData{{TestEquipProp(Sjis("剣"), 10, 1, 3)}, {1, 0, 0}});
    equipment.SaveTo(EQDataFile);
    const TItemPropDepot depot;
    EXPECT_EQ(depot.EquipmentById(10).attack, 3);
    EXPECT_EQ(depot.NewItem(BI_Key, 1, CF_Permanent)->GetDisplayName(), Sjis("赤い鍵"));
    EXPECT_EQ(depot.ItemProperty(BI_Tool, 1), nullptr);
}

} // namespace
