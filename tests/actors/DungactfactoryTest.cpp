#include "actors/Dungactfactory.h"

#include "actors/Angel.h"
#include "actors/Box.h"
#include "actors/Enemy.h"
#include "actors/Enemyfactory.h"
#include "actors/Floaractersub.h"
#include "actors/Itemacter.h"
#include "actors/Onoffobjesub.h"
#include "platform/SingleInstanceRegistry.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/HeroWorld.h"
#include "support/TestContent.h"
#include "support/TestItems.h"
#include "village/People.h"
#include "village/Peopledata.h"
#include "world/Dungwall.h"
#include "world/Floartilefactory.h"
#include "world/Mapdata.h"
#include "world/Wallobjefactory.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class DungActFactory : public testing::Test {
protected:
    // The acter numbers `make` asked for.
    std::vector<std::uint32_t> BodiesOf(const std::function<void()>& make) const {
        world.bodies->asked.clear();
        make();
        return world.bodies->asked;
    }
    const TDungActFactory& Factory() const { return world.Factory(); }

    THeroWorld world;
};

using TBodies = std::vector<std::uint32_t>;

TEST_F(DungActFactory, EveryActorGetsTheBodyOfItsNumber) {
    struct TCase {
        const char* what;
        std::function<void()> make;
        TBodies bodies;
    };
    const TDungActFactory& f = Factory();
    const TCase cases[] = {
        {"heroine", [&] { f.NewHero(); }, {1}},
        {"enemy of kind 2", [&] { f.NewEnemy(2); }, {51}},
        {"obstacle block", [&] { f.NewObstacleBlock(); }, {57}},
        {"wall switch", [&] { f.NewWallSwitch(); }, {3}},
        {"switch door", [&] { f.NewSwitchDoor(); }, {39}},
        {"door without lock", [&] { f.NewDoor(0); }, {4}},
        {"door 1", [&] { f.NewDoor(1); }, {35}},
        {"door 2", [&] { f.NewDoor(2); }, {36}},
        {"door 3", [&] { f.NewDoor(3); }, {37}},
        {"door 4", [&] { f.NewDoor(4); }, {38}},
        {"door 5", [&] { f.NewDoor(5); }, {0}},
        {"chest", [&] { f.NewChest(7); }, {26}},
        {"fairy", [&] { f.NewFairy(); }, {16}},
        {"up stairs", [&] { f.NewExit(1); }, {6}},
        {"down stairs", [&] { f.NewExit(2); }, {7}},
        {"way out 3", [&] { f.NewExit(3); }, {6}},
        {"way out 4", [&] { f.NewExit(4); }, {}},
        {"warp", [&] { f.NewExit(5); }, {}},
        {"timed floor switch", [&] { f.NewFloorSwitch(1, 3); }, {43}},
        {"permanent floor switch", [&] { f.NewFloorSwitch(2, 0); }, {44}},
        {"level floor 9", [&] { f.NewLevelFloor(9); }, {53}},
        {"forced level 3", [&] { f.NewForcedLevelFloor(3); }, {94}},
        {"key 3 on the floor", [&] { f.NewKeyOnFloor(FloorItemRecord(BI_Key, 3)); }, {41}},
        {"shield on the floor",
         [&] { f.NewEquipmentOnFloor(FloorItemRecord(BI_Equipment, 3)); },
         {10}},
        {"tool 5 on the floor", [&] { f.NewToolOnFloor(FloorItemRecord(BI_Tool, 5)); }, {70}},
        {"wall piece", [&] { f.NewWall(1); }, {10}},
        {"counter piece", [&] { f.NewWall(CounterPieceId); }, {11}},
        {"big object", [&] { f.NewCounter(2); }, {61}},
        {"floor tile", [&] { f.NewFloorTile(1); }, {20}},
        {"floor tile without body", [&] { f.NewFloorTile(2); }, {}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(BodiesOf(c.make), c.bodies) << c.what;
    }
}

TEST_F(DungActFactory, ActorsAreOfTheirKindWithTheirKeysAndTypes) {
    const TDungActFactory& f = Factory();
    EXPECT_EQ(f.NewHero()->GetKind(), TActerKind::Hero);

    const auto slime = f.NewEnemy(1);
    EXPECT_EQ(slime->GetName(), Sjis("スライム"));
    EXPECT_FALSE(slime->IsObstacle());
    const auto obstacle = f.NewObstacleBlock();
    EXPECT_EQ(obstacle->GetName(), Sjis("おじゃまブロック"));
    EXPECT_TRUE(obstacle->IsObstacle());
    EXPECT_EQ(GameErrorOf([&] { f.NewEnemy(9); }), Sjis("IDからデータの取得エラー"));

    EXPECT_EQ(f.NewDoor(3)->GetKeyNumber(), 3);
    EXPECT_EQ(f.NewDoor(0)->GetKeyNumber(), 0);
    EXPECT_EQ(f.NewSwitchDoor()->GetKeyNumber(), 0);
    EXPECT_EQ(f.NewChest(2)->GetKeyNumber(), 2);
    EXPECT_EQ(f.NewExit(5)->GetExitType(), 5);
    const auto floorSwitch = f.NewFloorSwitch(TimedFloarSwitch, 3);
    EXPECT_EQ(floorSwitch->GetSwitchKind(), TimedFloarSwitch);
    EXPECT_EQ(floorSwitch->GetResetCount(), 3);
    EXPECT_EQ(f.NewWall(CounterPieceId)->GetKind(), TActerKind::Counter);
    EXPECT_EQ(f.NewWall(1)->GetKind(), TActerKind::DungWall);
}

TEST_F(DungActFactory, MakesItemsFromRecords) {
    const auto key = Factory().NewItem(BI_Key, 2, CF_Permanent);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->GetKind(), BI_Key);
    EXPECT_EQ(key->GetId(), 2);
    EXPECT_EQ(key->GetCarryFlag(), CF_Permanent);
    EXPECT_EQ(key->GetDisplayName(), Sjis("赤のかぎ"));

    TSaveItem fourth;
    fourth.kind = 4;
    EXPECT_EQ(Factory().MakeItem(fourth), nullptr);

    TSaveItem sword = FloorItemRecord(BI_Equipment, 1);
    sword.maxDurability = 4;
    sword.durability = 2;
    const auto made = Factory().MakeItem(sword);
    EXPECT_EQ(made->GetRecord(), sword);
    EXPECT_EQ(made->AsEquipment()->GetPower(), 3);

    const auto lying = Factory().NewToolOnFloor(FloorItemRecord(BI_Tool, 5));
    EXPECT_EQ(lying->GetItem()->GetDisplayName(), Sjis("合成の書"));
    EXPECT_ANY_THROW(Factory().NewKeyOnFloor(FloorItemRecord(BI_Tool, 1)))
        << "a record of another kind is a program error";
}

TEST_F(DungActFactory, APersonGetsTheBodyOfItsRecordAndItsTalks) {
    TPeopleImp person;
    person.personNo = 7;
    person.acterNo = 80;
    person.talks = {TTalkData{{Sjis("こんにちは")}, {}, {}, 0}};
    std::unique_ptr<TPeople> made;
    EXPECT_EQ(BodiesOf([&] {
                  made = Factory().NewPeople(person, std::make_unique<TTalkDepot>(person.talks));
              }),
              TBodies{80});
    EXPECT_EQ(made->GetKind(), TActerKind::People);
    EXPECT_EQ(made->Talks().CurrentTalk().lines.front(), Sjis("こんにちは"));
}

TEST(DungActFactoryLife, MakesAndReleasesItsThreeFactories) {
    {
        THeroWorld world;
        const auto alive = SingleInstanceRegistry::Alive();
        const auto position = [&](const std::string& name) {
            return std::find(alive.begin(), alive.end(), name) - alive.begin();
        };
        EXPECT_LT(position("TWallObjeFactory"), position("TDungActFactory"));
        EXPECT_LT(position("TFloarTileFactory"), position("TDungActFactory"));
        EXPECT_LT(position("TEnemyFactory"), position("TDungActFactory"));
        EXPECT_LT(position("TDungActFactory"), position("THerosBase"));
    }
    EXPECT_TRUE(SingleInstanceRegistry::Alive().empty());
}

TEST(DungActFactoryLife, AMissingTableLeavesNoFactoryBehind) {
    for (const char* file : {"EQData", "ItemData", "WallObje", "FloarObje", "EnemyData"}) {
        TTempFolder folder;
        InstallTestContent(folder.Path());
        std::filesystem::remove(folder.Path() / "Data" / file);
        EXPECT_ANY_THROW(TDungActFactory::CreateInstance(std::make_unique<TRecordingBodies>()))
            << file;
        EXPECT_TRUE(SingleInstanceRegistry::Alive().empty()) << file;
    }
}

} // namespace
