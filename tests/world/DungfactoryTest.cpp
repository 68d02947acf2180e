#include "world/Dungfactory.h"

#include "activemap/Activemapdung.h"
#include "activemap/Activemapproxy.h"
#include "activemap/Activemaptown.h"
#include "activemap/Outfield.h"
#include "actors/Acterbodyimp.h"
#include "actors/Angel.h"
#include "actors/Box.h"
#include "actors/Dungactfactory.h"
#include "actors/Enemy.h"
#include "actors/Floaractersub.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "actors/Itemacter.h"
#include "actors/Onoffobjesub.h"
#include "anim/Acterfactory.h"
#include "platform/SjisText.h"
#include "save/Savedungeon.h"
#include "save/Savetown.h"
#include "scene/Objefactory.h"
#include "support/FloarSketch.h"
#include "support/FormatTesting.h"
#include "support/ObjeFolder.h"
#include "support/RecordingAutoMapping.h"
#include "support/RecordingHero.h"
#include "support/RecordingStatus.h"
#include "support/TestContent.h"
#include "village/Eventoperator.h"
#include "village/People.h"
#include "village/Peoplebase.h"
#include "world/DataFile.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// The game folder of the test content set with everything a build reads:
// the bodies, the actor factory, the heroine, the proxy and the people.
class DungFactory : public TObjeFolderTest {
protected:
    DungFactory() { InstallTestContent(folder.Path()); }
    ~DungFactory() override {
        TSaveTown::ReleaseInstance();
        TSaveDungeon::ReleaseInstance();
        if (heroes) {
            (*heroes)->BindOutputs(nullptr, nullptr);
        }
    }

    // Starts the world once the test has laid out the data it wants.
    TDungFactory& Factory() {
        if (!factory) {
            objes = std::make_unique<TObjeFactory>(grphFactory);
            acters = std::make_unique<TActerFactory>(*objes);
            sceneryBodies = std::make_unique<TActerBodySource>(*acters);
            actFactory.emplace(std::make_unique<TActerBodySource>(*acters));
            heroes.emplace(**actFactory);
            people.emplace(**actFactory);
            events->LoadEvents();
            (*heroes)->BindOutputs(&view, &links);
            factory = std::make_unique<TDungFactory>(**heroes, *sceneryBodies);
        }
        return *factory;
    }
    THero& Hero() { return (*heroes)->GetHero(); }
    TPeople* Person(std::uint32_t number) { return &(*people)->GetPerson(number); }

    // Replaces the stage data of the game folder.
    void WriteStages(const TDungeonData& stages) {
        TDataWriter writer;
        WriteDungeonData(writer, stages);
        writer.SaveTo(DungDataFile);
    }

    TScopedInstance<TActiveMapProxy> proxy{nullptr};
    TScopedInstance<IFighterStatus, TRecordingStatus> status;
    std::unique_ptr<TObjeFactory> objes;
    std::unique_ptr<TActerFactory> acters;
    std::unique_ptr<TActerBodySource> sceneryBodies;
    std::optional<TScopedInstance<TDungActFactory>> actFactory;
    std::optional<TScopedInstance<THerosBase>> heroes;
    TRecordingHeroView view;
    TRecordingHeroLinks links;
    std::optional<TScopedInstance<TPeopleBase>> people;
    TScopedInstance<TEventOperator> events;
    std::unique_ptr<TDungFactory> factory;
};

TEST_F(DungFactory, TheCavesFirstFloorIsBuiltBlockByBlock) {
    auto map = Factory().BuildStage(0, false);
    ASSERT_EQ(TActiveMapDung::Instance(), map.get());
    EXPECT_EQ(proxy->GetMap(), map.get());
    EXPECT_EQ(map->GetName(), Sjis("試しの洞窟"));
    EXPECT_EQ(map->GetNumber(), 1);
    ASSERT_EQ(map->GetWidth(), 8);
    ASSERT_EQ(map->GetHeight(), 5);

    // Walls all round, a counter at (6, 2), floor tiles under everything else.
    const char* const walls[] = {"########", "#......#", "#.....C#", "#......#", "########"};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x) {
            const TDungBlock& block = *map->BlockAt(x, y);
            EXPECT_EQ(block.GetX(), x);
            EXPECT_EQ(block.GetY(), y);
            const char cell = walls[y][x];
            EXPECT_EQ(block.IsWallPiece(), cell == '#') << x << "," << y;
            EXPECT_EQ(block.GetFloarTile() != nullptr, cell != '#') << x << "," << y;
            if (cell == 'C') {
                EXPECT_EQ(block.GetWallObje()->GetKind(), TActerKind::Counter);
            }
        }
    }

    // Rooms 1 and 2, each of four blocks; room 1 has a centre-less 2 x 2 square.
    ASSERT_EQ(map->GetRooms().size(), 2u);
    EXPECT_EQ(map->GetRooms()[0]->GetBlocks().size(), 4u);
    EXPECT_EQ(map->GetRooms()[1]->GetBlocks().size(), 4u);
    EXPECT_EQ(map->BlockAt(1, 1)->GetRoom(), map->GetRooms()[0].get());
    EXPECT_EQ(map->BlockAt(5, 2)->GetRoom(), map->GetRooms()[1].get());
    EXPECT_EQ(map->BlockAt(3, 1)->GetRoom(), nullptr);
    EXPECT_FALSE(map->GetRooms()[0]->GetExits().empty());

    // The heroine at the start, the three guests in record order.
    EXPECT_EQ(map->BlockAt(1, 3)->GetGuest(), &Hero());
    EXPECT_EQ(Hero().GetBlock(), map->BlockAt(1, 3));
    ASSERT_EQ(map->EnemyCount(), 3u);
    EXPECT_EQ(map->EnemyAt(0)->GetBlock(), map->BlockAt(2, 3));
    EXPECT_EQ(map->EnemyAt(1)->GetBlock(), map->BlockAt(5, 1));
    EXPECT_EQ(map->EnemyAt(2)->GetBlock(), map->BlockAt(4, 3));
    EXPECT_EQ(map->BlockAt(4, 3)->GetGuest(), map->EnemyAt(2));
    EXPECT_TRUE(static_cast<TEnemy*>(map->EnemyAt(2))->IsObstacle());
    // The keeper's AI comes from its record's behaviour.
    EXPECT_FALSE(map->EnemyAt(0)->IsKeeper());
    EXPECT_TRUE(map->EnemyAt(1)->IsKeeper());
    TSaveFloar& save = CurrentFloorSave();
    EXPECT_EQ(map->EnemyAt(1)->GetRecord(), RecordBytes(*std::next(save.enemies.begin())));

    // Doors and the wall switch, with their saved states and links.
    auto* lockedDoor = dynamic_cast<TDoor*>(map->BlockAt(3, 1)->GetWallObje());
    auto* switchDoor = dynamic_cast<TDoor*>(map->BlockAt(3, 2)->GetWallObje());
    auto* handDoor = dynamic_cast<TDoor*>(map->BlockAt(3, 3)->GetWallObje());
    auto* wallSwitch = dynamic_cast<TWallSwitch*>(map->BlockAt(6, 3)->GetWallSwitch());
    ASSERT_TRUE(lockedDoor && switchDoor && handDoor && wallSwitch);
    EXPECT_EQ(lockedDoor->GetKeyNumber(), 1);
    EXPECT_FALSE(lockedDoor->IsOpen());
    EXPECT_TRUE(switchDoor->IsSwitchOperated());
    EXPECT_TRUE(switchDoor->IsOpen());
    EXPECT_EQ(handDoor->GetKeyNumber(), 0);
    EXPECT_EQ(lockedDoor->GetRecord(), RecordBytes(save.onOffs.front()));
    EXPECT_EQ(wallSwitch->GetRecord(), RecordBytes(*std::next(save.onOffs.begin(), 2)));
    EXPECT_EQ(wallSwitch->GetLink(), switchDoor);
    auto* floarSwitch = dynamic_cast<TFloarSwitch*>(map->BlockAt(5, 3)->GetFloarActer());
    ASSERT_NE(floarSwitch, nullptr);
    EXPECT_EQ(floarSwitch->GetLink(), switchDoor);
    EXPECT_EQ(switchDoor->GetLinks(), (std::vector<IDungActer*>{wallSwitch, floarSwitch}));
    EXPECT_EQ(map->BlockAt(2, 2)->GetWallObje(), nullptr);

    // Items lying free, the chests, the fairy and the exit.
    ASSERT_NE(map->BlockAt(1, 1)->GetItem(), nullptr);
    EXPECT_EQ(map->BlockAt(1, 1)->GetItem()->GetItem()->GetKind(), BI_Key);
    EXPECT_EQ(map->BlockAt(2, 1)->GetItem()->GetItem()->GetKind(), BI_Equipment);
    EXPECT_EQ(map->BlockAt(4, 2)->GetItem()->GetItem()->GetId(), FreeToolId);
    EXPECT_EQ(map->BlockAt(1, 1)->GetItem()->GetBlock(), map->BlockAt(1, 1));
    auto* openChest = dynamic_cast<TBox*>(map->BlockAt(5, 2)->GetWallObje());
    auto* lockedChest = dynamic_cast<TBox*>(map->BlockAt(4, 1)->GetWallObje());
    ASSERT_TRUE(openChest && lockedChest);
    EXPECT_EQ(lockedChest->GetKeyNumber(), 1);
    ASSERT_NE(openChest->GetContent(), nullptr);
    EXPECT_EQ(openChest->GetContent()->GetKind(), BI_Tool);
    EXPECT_EQ(openChest->GetContent()->GetCarryFlag(), CF_KeptIfAlive);
    EXPECT_TRUE(map->BlockAt(1, 2)->HasFairy());
    EXPECT_EQ(map->BlockAt(1, 2)->GetFairy()->GetRecord(), RecordBytes(save.acts.front()));
    EXPECT_EQ(map->BlockAt(2, 1)->GetFairy(), nullptr);
    EXPECT_EQ(map->BlockAt(6, 1)->FloarKind(), 1);

    EXPECT_EQ(map->OutField(0)->FieldWidth(), 8);
    EXPECT_EQ(map->OutField(2)->FieldHeight(), 5);
}

TEST_F(DungFactory, EveryFloorOfTheTestContentBuilds) {
    for (std::size_t stage = 0; stage < Factory().Stages().size(); ++stage) {
        auto map = Factory().BuildStage(static_cast<int>(stage), false);
        const auto& floars = Factory().Stages()[stage].floars;
        for (std::size_t number = 1; number <= floars.size(); ++number) {
            TSaveHero& hero = CurrentDungeonSave().hero;
            hero.floar = static_cast<std::uint8_t>(number);
            // Somewhere free on that floor.
            const auto& grid = floars[number - 1].grid;
            for (std::size_t y = 0; y < grid.size(); ++y) {
                for (std::size_t x = 0; x < grid[y].size(); ++x) {
                    if (grid[y][x].wallObje == 0) {
                        PlaceRecord(hero, static_cast<int>(x), static_cast<int>(y), DW_North);
                    }
                }
            }
            TActiveMapDung& rebuilt = Factory().RebuildFloar();
            EXPECT_EQ(&rebuilt, map.get());
            EXPECT_EQ(rebuilt.GetNumber(), static_cast<int>(number));
            EXPECT_EQ(rebuilt.GetWidth(), floars[number - 1].width);
            EXPECT_EQ(Hero().GetBlock(), rebuilt.BlockAt(hero.x, hero.y));
        }
    }
}

TEST_F(DungFactory, ADefeatedEnemyIsNotBuiltAgainAndKeepsItsRecord) {
    Factory().BuildStage(0, false).reset();
    CurrentFloorSave().enemies.front().hp = 0;
    auto map = Factory().BuildStage(0, true);
    ASSERT_EQ(map->EnemyCount(), 2u);
    EXPECT_EQ(map->BlockAt(2, 3)->GetGuest(), nullptr);
    EXPECT_EQ(CurrentFloorSave().enemies.size(), 3u);
    EXPECT_EQ(CurrentFloorSave().enemies.front().hp, 0);
}

TEST_F(DungFactory, APressedTimedSwitchIsToldOfTurnsFromTheStart) {
    Factory().BuildStage(0, false).reset();
    CurrentFloorSave().tiles.front().pressed = 1;
    auto map = Factory().BuildStage(0, true);
    EXPECT_EQ(map->TimedSwitchCount(), 1u);
}

TEST_F(DungFactory, ADoorThatMakesNothingStillHoldsItsPlaceAmongTheObjects) {
    TFloarData floar = BareFloar(4, 2);
    floar.objects = {ObjectAt(0, 1, BO_Door, 1), ObjectAt(1, 1, BO_Door, DoorBySwitchSubKind),
                     ObjectAt(2, 1, BO_WallSwitch, 1, 2)};
    floar.floarActers = {FloorActerAt(3, 0, BF_FloarSwitch, PermanentFloarSwitch, 2, 3)};
    WriteStages({SketchStage(0, 0, {floar})});
    auto map = Factory().BuildStage(0, false);

    EXPECT_EQ(map->BlockAt(0, 1)->GetWallObje(), nullptr);
    auto* door = dynamic_cast<TDoor*>(map->BlockAt(1, 1)->GetWallObje());
    auto* wallSwitch = dynamic_cast<TWallSwitch*>(map->BlockAt(2, 1)->GetWallSwitch());
    auto* floarSwitch = dynamic_cast<TFloarSwitch*>(map->BlockAt(3, 0)->GetFloarActer());
    ASSERT_TRUE(door && wallSwitch && floarSwitch);
    // Two saved states for two objects: the first goes to the door.
    ASSERT_EQ(CurrentFloorSave().onOffs.size(), 2u);
    EXPECT_EQ(door->GetRecord(), RecordBytes(CurrentFloorSave().onOffs.front()));
    EXPECT_EQ(wallSwitch->GetLink(), door);
    EXPECT_EQ(floarSwitch->GetLink(), door);
    EXPECT_EQ(door->GetLinks(), (std::vector<IDungActer*>{wallSwitch, floarSwitch}));
}

TEST_F(DungFactory, AFloorComesBackWithItsSwitchesAndDoorsAsTheyWereLeft) {
    TScopedInstance<IAutoMapping, TQuietAutoMapping> automap;
    TFloarData floar = BareFloar(4, 2);
    floar.objects = {ObjectAt(1, 1, BO_Door, DoorBySwitchSubKind),
                     ObjectAt(2, 1, BO_WallSwitch, 0, 1)};
    floar.floarActers = {FloorActerAt(3, 0, BF_FloarSwitch, TimedFloarSwitch, 1, 4)};
    WriteStages({SketchStage(0, 0, {floar})});
    auto map = Factory().BuildStage(0, false);
    map->BlockAt(3, 0)->GetFloarActer()->HeroArrived();
    for (int update = 0; update < 20 && map->PendingObjectCount() != 0; ++update) {
        map->Update();
    }
    ASSERT_EQ(map->PendingObjectCount(), 0u);
    map.reset();

    map = Factory().BuildStage(0, true);
    EXPECT_TRUE(map->BlockAt(1, 1)->GetWallObje()->IsOpen());
    EXPECT_FALSE(map->BlockAt(1, 1)->BlocksPassage());
    EXPECT_TRUE(static_cast<TWallSwitch*>(map->BlockAt(2, 1)->GetWallSwitch())->IsOn())
        << "the switch followed its door";
    const TSaveTile& pressed = CurrentFloorSave().tiles.front();
    EXPECT_EQ(pressed.pressed, 1);
    EXPECT_EQ(pressed.countdown, 4);
    EXPECT_EQ(map->TimedSwitchCount(), 1u) << "it counts its turns again";
}

TEST_F(DungFactory, FairiesAreBuiltAndTheForcesAfterThemAreNot) {
    TFloarData floar = BareFloar(5, 2);
    floar.objects = {ObjectAt(0, 1, BO_Fairy), ObjectAt(1, 1, BO_Fairy)};
    for (std::uint16_t x = 2; x < 5; ++x) {
        TForceProp force;
        force.x = x;
        force.y = 1;
        floar.forces.push_back(force);
    }
    WriteStages({SketchStage(0, 0, {floar})});
    auto map = Factory().BuildStage(0, false);
    ASSERT_EQ(CurrentFloorSave().acts.size(), 5u);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(map->BlockAt(x, 1)->HasFairy(), x < 2) << x;
    }
}

TEST_F(DungFactory, AChestWhoseContentSheOwnsIsBuiltEmptyAndStaysSo) {
    Factory();
    Hero().AddItem((**actFactory).NewItem(BI_Tool, 2, CF_Permanent));
    // Equipment carried only for this trip does not empty the chest that holds it.
    Hero().AddItem((**actFactory).NewItem(BI_Equipment, 2, CF_DungeonOnly));
    auto map = Factory().BuildStage(0, false);

    auto* owned = dynamic_cast<TBox*>(map->BlockAt(5, 2)->GetWallObje());
    auto* other = dynamic_cast<TBox*>(map->BlockAt(4, 1)->GetWallObje());
    ASSERT_TRUE(owned && other);
    EXPECT_EQ(owned->GetContent(), nullptr);
    EXPECT_TRUE(owned->IsOpen());
    ASSERT_NE(other->GetContent(), nullptr);
    EXPECT_FALSE(other->IsOpen());
    // The chests' records follow the item records: the tool's chest first.
    EXPECT_EQ(CurrentFloorSave().boxes.front().open, 1);
    EXPECT_EQ(std::next(CurrentFloorSave().boxes.begin())->open, 0);
}

TEST_F(DungFactory, ASaveRecordOffTheFloorIsNamedNotBuilt) {
    Factory().BuildStage(0, false).reset();
    CurrentFloorSave().enemies.back().x = 8;
    EXPECT_EQ(
        GameErrorOf([&] { Factory().BuildStage(0, true); }),
        Sjis("ダンジョンのセーブ フロア 1: 3 番目の敵の位置 (8, 3) が 8 x 5 のマップの外です"));
    EXPECT_EQ(TActiveMapDung::Instance(), nullptr);

    CurrentFloorSave().enemies.back().x = 4;
    CurrentFloorSave().onOffs.pop_back();
    EXPECT_EQ(GameErrorOf([&] { Factory().BuildStage(0, true); }),
              Sjis("ダンジョンのセーブ フロア 1: 4 番目の扉とスイッチの記録がありません (3 "
                   "件しかありません)"));
    EXPECT_EQ(GameErrorOf([&] { Factory().BuildStage(5, false); }),
              Sjis("Data/DungData にステージ 6 はありません (5 ステージです)"));
}

TEST_F(DungFactory, RemakingWithoutAMapIsTheRemakeError) {
    Factory().BuildStage(0, false).reset();
    const auto remakeError = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const TBareText& bare) {
            return bare.text;
        }
        return std::string();
    };
    EXPECT_EQ(remakeError([&] { Factory().RebuildFloar(); }), Sjis("リメイクエラー"));
    Factory().BuildVillage(false).reset();
    CurrentTownSave().hero.floar = 2;
    EXPECT_EQ(remakeError([&] { Factory().RebuildVillageArea(); }), Sjis("リメイクエラー"));
    // Her village state is still the one she left.
    EXPECT_EQ(CurrentTownSave().area, 0);
    EXPECT_EQ(CurrentTownSave().hero.floar, 2);
}

TEST_F(DungFactory, ANewGameStartsInTheVillageSquareWithItsPeople) {
    auto map = Factory().BuildVillage(false);
    EXPECT_EQ(TActiveMapTown::Instance(), map.get());
    EXPECT_EQ(map->GetNumber(), 0);
    EXPECT_EQ(map->GetWidth(), 26);
    EXPECT_EQ(CurrentTownSave().hero.x, VillageArrivalX);
    EXPECT_EQ(CurrentTownSave().hero.y, VillageArrivalY);
    EXPECT_EQ(CurrentTownSave().hero.direction, DW_South);
    EXPECT_EQ(map->BlockAt(24, 3)->GetGuest(), &Hero());

    // Person 7 of the area, then person 3 of the story; person 0 is no one.
    ASSERT_EQ(map->PeopleCount(), 2u);
    EXPECT_EQ(map->PersonAt(0), Person(7));
    EXPECT_EQ(map->PersonAt(1), Person(3));
    EXPECT_EQ(map->BlockAt(10, 2)->GetGuest(), Person(7));
    EXPECT_EQ(map->BlockAt(14, 3)->GetGuest(), Person(3));
    EXPECT_EQ(Person(3)->GetDirection(), DW_South);
    EXPECT_EQ(map->BlockAt(12, 2)->GetGuest(), nullptr);

    // The big object stands on a closed square; the exits lie on theirs.
    ASSERT_EQ(map->PlacedCount(), 1u);
    EXPECT_EQ(map->PlacedAt(0)->GetBlock(), map->BlockAt(3, 2));
    EXPECT_TRUE(map->BlockAt(3, 2)->IsWallPiece());
    EXPECT_EQ(map->BlockAt(20, 4)->FloarKind(), 1);
    EXPECT_EQ(map->BlockAt(24, 4)->FloarKind(), 1);
    EXPECT_EQ(map->OutField(1)->FieldWidth(), 26);
}

TEST_F(DungFactory, MovingToAnotherAreaKeepsHerPlaceAndStraightensADiagonal) {
    auto map = Factory().BuildVillage(false);
    TSaveHero& leaving = CurrentTownSave().hero;
    leaving.floar = 2;
    PlaceRecord(leaving, 2, 2, DW_NorthEast);
    TActiveMapTown& tavern = Factory().RebuildVillageArea();
    EXPECT_EQ(&tavern, map.get());
    EXPECT_EQ(tavern.GetNumber(), 1);
    EXPECT_EQ(tavern.GetWidth(), 6);
    EXPECT_EQ(CurrentTownSave().area, 1);
    EXPECT_EQ(CurrentTownSave().hero.x, 2);
    EXPECT_EQ(CurrentTownSave().hero.y, 2);
    EXPECT_EQ(CurrentTownSave().hero.direction, DW_North);
    EXPECT_EQ(tavern.BlockAt(2, 2)->GetGuest(), &Hero());
    ASSERT_EQ(tavern.PeopleCount(), 1u);
    EXPECT_EQ(tavern.PersonAt(0), Person(3));
    EXPECT_EQ(tavern.BlockAt(1, 1)->GetGuest(), Person(3));
}

TEST_F(DungFactory, MovingToAnotherAreaKeepsHerValues) {
    auto map = Factory().BuildVillage(false);
    // As on every arrival in the village.
    Hero().ResetForVillage();
    TSaveHero& leaving = CurrentTownSave().hero;
    leaving.floar = 2;
    PlaceRecord(leaving, 2, 2, DW_North);
    const TSaveHero before = leaving;
    Factory().RebuildVillageArea();
    const TSaveHero& arrived = CurrentTownSave().hero;
    EXPECT_EQ(&Hero().Record(), &arrived);
    EXPECT_EQ(arrived.level, 1);
    EXPECT_EQ(arrived.next, 5);
    EXPECT_EQ(arrived.hp, before.hp);
    EXPECT_EQ(arrived.maxHp, before.maxHp);
    EXPECT_EQ(arrived.attack, before.attack);
    EXPECT_EQ(arrived.defence, before.defence);
    EXPECT_EQ(arrived.baseLevel, before.baseLevel);
}

TEST(VillageArrival, DiagonalsBecomeNorthOrSouthAndTheRestIsKept) {
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {DW_North, DW_North},     {DW_East, DW_East},       {DW_South, DW_South},
        {DW_West, DW_West},       {DW_NorthEast, DW_North}, {DW_NorthWest, DW_North},
        {DW_SouthEast, DW_South}, {DW_SouthWest, DW_South},
    };
    for (const auto& [facing, arriving] : cases) {
        EXPECT_EQ(VillageArrivalDirection(facing), arriving) << int{facing};
    }
}

TEST_F(DungFactory, ReturningFromADungeonStartsInTheVillageSquareFacingSouth) {
    Factory().BuildStage(1, false).reset();
    auto village = Factory().ReturnToVillage();
    EXPECT_FALSE(TSaveDungeon::HasInstance());
    EXPECT_EQ(village->GetNumber(), 0);
    EXPECT_EQ(CurrentTownSave().area, 0);
    EXPECT_EQ(CurrentTownSave().hero.x, 24);
    EXPECT_EQ(CurrentTownSave().hero.y, 3);
    EXPECT_EQ(CurrentTownSave().hero.direction, DW_South);
    EXPECT_EQ(village->BlockAt(24, 3)->GetGuest(), &Hero());
}

} // namespace
