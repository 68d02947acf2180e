#include "scene/Objefactory.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "scene/NullEngine.h"
#include "support/ObjeFolder.h"

#include <gtest/gtest.h>

namespace {

TGrphFile Grph(std::uint32_t grphNo, std::string model, std::string swap1 = {},
               std::string swap3 = {}) {
    TGrphFile record;
    record.grphNo = grphNo;
    record.modelName = std::move(model);
    record.swapLists[0] = std::move(swap1);
    record.swapLists[2] = std::move(swap3);
    return record;
}

class ObjeFactory : public TObjeFolderTest {
protected:
    const TNullGrph* Entry(const TObjeFactory& factory, std::uint32_t grphNo, size_t k) {
        return static_cast<const TNullGrph*>(factory.GrphKindOf(grphNo)->entries[k].get());
    }
};

TEST_F(ObjeFactory, LoadsEveryColouringOfEachModelFromObje) {
    Write({Grph(5, "box", "1>2\r\nA>3\r\n", "0>1"), Grph(6, "bare")}, {Plan(1, 0, 5)});
    TObjeFactory factory(grphFactory);
    const TNullGrph* plain = Entry(factory, 5, 0);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->LoadedPath(), "Obje/box.x");
    EXPECT_EQ(plain->RemapAtLoad().Table(), TMaterialRemap().Table());
    // The first line swaps 1 and 2; the line starting with a letter is skipped.
    const TNullGrph* first = Entry(factory, 5, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->RemapAtLoad().SlotOf(1), 2);
    EXPECT_EQ(first->RemapAtLoad().SlotOf(3), 3);
    EXPECT_EQ(Entry(factory, 5, 2), nullptr);
    EXPECT_EQ(Entry(factory, 5, 3)->RemapAtLoad().SlotOf(0), 1);
    // No swap lists: the default graphics only.
    EXPECT_NE(Entry(factory, 6, 0), nullptr);
    for (size_t k = 1; k < TGrphKind::EntryCount; ++k) {
        EXPECT_EQ(Entry(factory, 6, k), nullptr) << k;
    }
    EXPECT_EQ(factory.GrphKindOf(7), nullptr);
}

TEST_F(ObjeFactory, RepeatedNumbersKeepTheFirst) {
    Write({Grph(5, "first"), Grph(5, "second")},
          {Plan(1, 0, 5), Plan(2, 0, 5), Plan(1, 0, 5), Plan(1, 1, 5)});
    TObjeFactory factory(grphFactory);
    EXPECT_EQ(Entry(factory, 5, 0)->LoadedPath(), "Obje/first.x");
    // The second run of object 1 (two parts) is ignored.
    std::vector<IObje*> parts;
    const auto root = factory.Create(1, parts, 0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(parts.size(), 1u);
    EXPECT_EQ(root->GetGrph(), factory.GrphKindOf(5)->entries[0].get());
}

TEST_F(ObjeFactory, AnUnknownGraphicsNumberRefusesTheFactory) {
    Write({Grph(5, "box")}, {Plan(1, 0, 5), Plan(1, 1, 9)});
    try {
        TObjeFactory factory(grphFactory);
        FAIL() << "made a factory with a missing graphics number";
    } catch (const TGameError& e) {
        EXPECT_EQ(std::string(e.what()), Sjis("画像ポインタセットエラー"));
    }
}

TEST_F(ObjeFactory, BuildsObjectsByNumberAndVariant) {
    std::vector<TObjePlan> plans = {Plan(3, 0, 0), Plan(3, 1, 5), Plan(3, 1, 5)};
    plans[2].variantGrph[1] = 1;
    Write({Grph(5, "box", "0>1")}, plans);
    TObjeFactory factory(grphFactory);
    std::vector<IObje*> parts;
    const auto root = factory.Create(3, parts, 2);
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1]->GetGrph(), factory.GrphKindOf(5)->entries[0].get());
    EXPECT_EQ(parts[2]->GetGrph(), factory.GrphKindOf(5)->entries[1].get());
    EXPECT_TRUE(factory.HasObje(3));
    EXPECT_FALSE(factory.HasObje(4));
    EXPECT_THROW(factory.Create(4, parts, 0), TGameError);
}

TEST_F(ObjeFactory, ResetPartsRestoresThePlannedPoseButNotVisibility) {
    std::vector<TObjePlan> plans = {Plan(1, 0, 0), Plan(1, 1, 5), Plan(1, 1, 5)};
    plans[1].position = {0, 1, 0};
    plans[2].visible = 0;
    Write({Grph(5, "box")}, plans);
    TObjeFactory factory(grphFactory);
    std::vector<IObje*> parts;
    const auto root = factory.Create(1, parts, 0);
    const TMatValues planned = parts[1]->GetMatrix().GetOneMat().Values();
    for (int tick = 0; tick < 5; ++tick) {
        parts[0]->YRota(10);
        parts[1]->Move(0, 0.5f, 0);
        parts[1]->Scale(1, 1, 1);
    }
    parts[1]->visible = false;
    parts[2]->visible = true;
    factory.ResetParts(1, parts);
    EXPECT_EQ(parts[0]->GetMatrix().GetOneMat().Values(), IdentityMat());
    EXPECT_EQ(parts[1]->GetMatrix().GetOneMat().Values(), planned);
    EXPECT_FALSE(parts[1]->visible);
    EXPECT_TRUE(parts[2]->visible);
}

TEST(ObjeData, RecordsOfNinetyTwoBytesAndTheRestIgnored) {
    std::vector<TObjePlan> plans = {Plan(1, 0, 5), Plan(1, 1, 6)};
    plans[1].xRota = {30, 1, 2};
    plans[1].reserved = 0xdeadbeef;
    auto bytes = ObjeBytes(plans);
    ASSERT_EQ(bytes.size(), 184u);
    bytes.resize(200, 0xff);
    TDataReader reader("Data/ObjeData", bytes);
    const auto read = ReadObjeData(reader);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].parentNo, 1);
    EXPECT_EQ(read[1].xRota.shiftB, 2.0f);
    // Every byte of a record, reserved ones too, is written back as read.
    EXPECT_EQ(ObjeBytes(read), ObjeBytes(plans));
    for (size_t size = 0; size < 184; ++size) {
        TDataReader prefix("Data/ObjeData",
                           std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
        EXPECT_EQ(ReadObjeData(prefix).size(), size / 92) << size;
    }
}

TEST(GrphData, RoundTripsAndRefusesEveryTruncation) {
    const std::vector<TGrphFile> records = {Grph(5, Sjis("箱"), "1>2\r\n", "0>1"), Grph(7, "ball")};
    const auto bytes = GrphBytes(records);
    TDataReader reader("Data/GrphData", bytes);
    EXPECT_EQ(ReadGrphData(reader), records);
    for (size_t size = 0; size < bytes.size(); ++size) {
        TDataReader prefix("Data/GrphData",
                           std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
        try {
            ReadGrphData(prefix);
            ADD_FAILURE() << "read a file cut at " << size;
        } catch (const TGameError& e) {
            EXPECT_NE(std::string(e.what()).find("Data/GrphData"), std::string::npos);
        }
    }
    auto longer = bytes;
    longer.push_back(0);
    TDataReader trailing("Data/GrphData", longer);
    EXPECT_THROW(ReadGrphData(trailing), TGameError);
}

TEST(GrphData, HugeCountsAreRefusedBeforeAllocating) {
    for (const std::vector<std::uint8_t>& bytes :
         {std::vector<std::uint8_t>{0xff, 0xff, 0xff, 0x7f},
          {0xff, 0xff, 0xff, 0xff},
          {1, 0, 0, 0, 5, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f}}) {
        TDataReader reader("Data/GrphData", bytes);
        EXPECT_THROW(ReadGrphData(reader), TGameError);
    }
}

} // namespace
