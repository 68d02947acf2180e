#include "actors/Itemdata.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "support/TestItems.h"

#include <gtest/gtest.h>

namespace {

TDataReader ItemReader(std::vector<std::uint8_t> bytes) {
    return TDataReader(std::string(ItemDataFile), std::move(bytes));
}

TDataReader EQReader(std::vector<std::uint8_t> bytes) {
    return TDataReader(std::string(EQDataFile), std::move(bytes));
}

TItemData SampleItems() {
    TItemData items{{TestItemProp(Sjis("赤い鍵")), TestItemProp(Sjis("青い鍵"))},
                    {TestItemProp("Lamp")}};
    // Bytes after the NUL carry nothing but are kept as they stand.
    items.tools[0].name[40] = 'z';
    return items;
}

TEQData SampleEquipment() {
    return {{TestEquipProp(Sjis("銅の剣"), 10, 1, 5, 0, 1),
             TestEquipProp("Long sword", 11, 1, 9, 1, 4), TestEquipProp("Shield", 20, 2, 0, 6),
             TestEquipProp("Ring", 30, 3, -1, 2, 9)},
            {2, 1, 1}};
}

TEST(Itemdata, NamesEndAtTheirNulAndFitTheField) {
    TItemProp prop;
    const std::string longest(PropNameSize - 1, 'x');
    SetPropName(prop.name, longest);
    EXPECT_EQ(PropName(prop.name), longest);
    SetPropName(prop.name, "ab");
    EXPECT_EQ(PropName(prop.name), "ab");
    EXPECT_EQ(prop.name[3], '\0') << "a shorter name clears what stood there";
    EXPECT_THROW(SetPropName(prop.name, std::string(PropNameSize, 'x')), TGameError);
    EXPECT_THROW(SetPropName(prop.name, std::string("a\0b", 3)), TGameError);
}

TEST(Itemdata, ReadsTheStoredLayout) {
    std::vector<std::uint8_t> bytes{1, 0};
    bytes.resize(2 + PropNameSize);
    bytes[2] = 'K';
    auto reader = ItemReader(bytes);
    const auto items = ReadItemData(reader);
    ASSERT_EQ(items.keys.size(), 1u);
    EXPECT_EQ(PropName(items.keys[0].name), "K");
    EXPECT_TRUE(items.tools.empty());

    std::vector<std::uint8_t> equip{0, 1, 0};
    equip.resize(3 + 56);
    std::uint8_t* record = equip.data() + 3;
    record[0] = 'S';
    record[44] = 0x34; // id 0x1234
    record[45] = 0x12;
    record[48] = 2;    // type
    record[50] = 0xfe; // attack -2
    record[51] = 0xff;
    record[52] = 7;  // defence
    record[54] = 12; // required level
    auto equipReader = EQReader(equip);
    const auto read = ReadEQData(equipReader);
    ASSERT_EQ(read.equipment.size(), 1u);
    EXPECT_EQ(read.equipment[0], TestEquipProp("S", 0x1234, 2, -2, 7, 12));
    EXPECT_EQ(read.listed, (std::array<std::uint8_t, 3>{0, 1, 0}));
}

TEST(Itemdata, RoundTripIsByteIdentical) {
    ExpectByteIdenticalRoundTrip(WriteItemData, ReadItemData, SampleItems(),
                                 std::string(ItemDataFile));
    EXPECT_EQ(BytesOf(WriteItemData, SampleItems()).size(), 2 + 3 * PropNameSize);

    const auto equipBytes = BytesOf(WriteEQData, SampleEquipment());
    EXPECT_EQ(std::vector<std::uint8_t>(equipBytes.begin(), equipBytes.begin() + 3),
              (std::vector<std::uint8_t>{2, 1, 1}));
    ExpectByteIdenticalRoundTrip(WriteEQData, ReadEQData, SampleEquipment(),
                                 std::string(EQDataFile));
}

TEST(Itemdata, TheFirstEquipmentWithAnIdWins) {
    auto equipment = SampleEquipment().equipment;
    equipment.push_back(TestEquipProp("Other ring", 10, 3));
    ASSERT_NE(FindEquipment(equipment, 10), nullptr);
    EXPECT_EQ(PropName(FindEquipment(equipment, 10)->name), Sjis("銅の剣"));
    EXPECT_EQ(FindEquipment(equipment, 99), nullptr);
}

TEST(Itemdata, EquipmentKeepsItsOwnTypeWhereverItIsListed) {
    // Both records are listed under type 2; the first is a sword all the same.
    const TEQData listedAsArmour{{TestEquipProp("A", 1, 1), TestEquipProp("B", 2, 2)}, {0, 2, 0}};
    const auto bytes = BytesOf(WriteEQData, listedAsArmour);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3),
              (std::vector<std::uint8_t>{0, 2, 0}));
    auto reader = EQReader(bytes);
    const auto read = ReadEQData(reader);
    EXPECT_EQ(read, listedAsArmour);
    EXPECT_EQ(read.equipment[0].type, 1);
    EXPECT_EQ(read.ListedType(0), 2);
    EXPECT_EQ(SampleEquipment().ListedType(1), 1);
    EXPECT_EQ(SampleEquipment().ListedType(2), 2);
    EXPECT_EQ(SampleEquipment().ListedType(3), 3);
}

TEST(Itemdata, EquipmentOfNoTypeOrMiscountedIsRefused) {
    for (const std::uint8_t type : {std::uint8_t{0}, std::uint8_t{4}}) {
        const TEQData typeless{{TestEquipProp("A", 1, type)}, {1, 0, 0}};
        TDataWriter writer;
        EXPECT_THROW(WriteEQData(writer, typeless), TGameError);
        auto bytes = BytesOf(WriteEQData, SampleEquipment());
        bytes[3 + 56 + 48] = type; // the second record's type
        auto reader = EQReader(bytes);
        EXPECT_NE(GameErrorOf([&] { ReadEQData(reader); }).find(Sjis("装備 2 の種類")),
                  std::string::npos);
    }
    TEQData miscounted = SampleEquipment();
    miscounted.listed[2] = 2;
    TDataWriter writer;
    EXPECT_THROW(WriteEQData(writer, miscounted), TGameError);
}

TEST(Itemdata, NamesWithoutTheirNulAreRefused) {
    auto items = SampleItems();
    std::fill(std::begin(items.keys[1].name), std::end(items.keys[1].name), 'x');
    TDataWriter writer;
    EXPECT_THROW(WriteItemData(writer, items), TGameError);

    auto bytes = BytesOf(WriteItemData, SampleItems());
    std::fill(bytes.begin() + 2 + PropNameSize, bytes.begin() + 2 + 2 * PropNameSize, 'x');
    auto reader = ItemReader(bytes);
    EXPECT_NE(GameErrorOf([&] { ReadItemData(reader); }).find(Sjis("鍵 2 の名前")),
              std::string::npos);
}

TEST(Itemdata, BadFilesAreRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WriteItemData, SampleItems()), std::string(ItemDataFile),
                             [](TDataReader& reader) { ReadItemData(reader); });
    ExpectEveryPrefixRefused(BytesOf(WriteEQData, SampleEquipment()), std::string(EQDataFile),
                             [](TDataReader& reader) { ReadEQData(reader); });
}

TEST(Itemdata, LoadsFromTheDataFolder) {
    TTempFolder folder;
    CreateGameFolder("Data");
    TDataWriter items;
    WriteItemData(items, SampleItems());
    items.SaveTo(ItemDataFile);
    TDataWriter equipment;
    WriteEQData(equipment, SampleEquipment());
    equipment.SaveTo(EQDataFile);
    EXPECT_EQ(LoadItemData(), SampleItems());
    EXPECT_EQ(LoadEQData(), SampleEquipment());
}

} // namespace
