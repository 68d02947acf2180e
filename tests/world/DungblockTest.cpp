#include "world/Dungblock.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TestActers.h"
#include "support/TestItems.h"
#include "support/TestMap.h"

#include <array>
#include <gtest/gtest.h>

namespace {

std::string BareTextOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const TBareText& bare) {
        return bare.text;
    }
    return "";
}

TEST(DungBlockQueries, AChestBlocksPassageButNotSight) {
    TTestMap map({"B"});
    EXPECT_TRUE(map.Block(0, 0).BlocksPassage());
    EXPECT_FALSE(map.Block(0, 0).BlocksSight());
    EXPECT_FALSE(map.Block(0, 0).IsFree(true));
    EXPECT_FALSE(map.Block(0, 0).IsWallPiece());
}

TEST(DungBlockQueries, WhatStopsPassageAndSight) {
    struct TCase {
        const char* cells;
        bool passage;
        bool sight;
    };
    const TCase cases[] = {{"#", true, true},
                           {"C", true, false},
                           {"D", true, true},
                           {"d", false, false},
                           {".", false, false}};
    for (const TCase& c : cases) {
        TTestMap map({c.cells});
        EXPECT_EQ(map.Block(0, 0).BlocksPassage(), c.passage) << c.cells;
        EXPECT_EQ(map.Block(0, 0).BlocksSight(), c.sight) << c.cells;
    }
}

TEST(DungBlockQueries, ADoorStopsOnlyWhileClosed) {
    TTestMap map({"D"});
    EXPECT_EQ(map.Block(0, 0).OpenDoor(), 0);
    EXPECT_FALSE(map.Block(0, 0).BlocksPassage());
    EXPECT_TRUE(map.Block(0, 0).IsFree(false));
}

TEST(DungBlockQueries, ABlockWithOnlyAWallSwitchIsFreeAndOffersTheSwitch) {
    TTestMap map({"."});
    TDungBlock& block = map.Block(0, 0);
    auto owned = std::make_unique<TTestFixture>(TActerKind::WallSwitch, dac_Press);
    TTestFixture& wallSwitch = *owned;
    block.SetWallSwitch(std::move(owned));
    EXPECT_TRUE(block.IsFree(false));
    EXPECT_EQ(block.ActionFrom(DW_North), dac_Press);
    EXPECT_EQ(block.CursorActionFrom(DW_North), dac_Press);
    wallSwitch.answer = dac_Attack;
    EXPECT_EQ(block.ActionFrom(DW_NorthEast), dac_Attack);
    EXPECT_EQ(block.CursorActionFrom(DW_NorthEast), dac_None);
}

TEST(DungBlockQueries, ActionsOfTheGuestComeFirstAndPassTheCursorUnchanged) {
    TTestMap map({"..", "#."});
    EXPECT_EQ(map.Block(0, 0).ActionFrom(DW_North), dac_Attack);
    EXPECT_EQ(map.Block(0, 0).CursorActionFrom(DW_North), dac_None);
    EXPECT_EQ(map.Block(0, 1).CursorActionFrom(DW_North), dac_None);
    map.PlaceEnemy(1, 1, DW_North);
    EXPECT_EQ(map.Block(1, 1).ActionFrom(DW_North), dac_Attack);
    EXPECT_EQ(map.Block(1, 1).CursorActionFrom(DW_North), dac_Attack);
}

TEST(DungBlockQueries, TheGuestAnswersFirstThenTheWallSwitchThenTheWallObject) {
    struct TCase {
        const char* what;
        bool guest;
        bool wallSwitch;
        DA_Action action;
    };
    const TCase cases[] = {{"guest, switch and door", true, true, dac_Talk},
                           {"guest and door", true, false, dac_Talk},
                           {"switch and door", false, true, dac_Press},
                           {"door alone", false, false, dac_Unlock}};
    for (const TCase& c : cases) {
        TTestFixture person(TActerKind::People, dac_Talk);
        TTestMap map({"D"});
        TDungBlock& block = map.Block(0, 0);
        static_cast<TTestFixture&>(*block.GetWallObje()).answer = dac_Unlock;
        if (c.wallSwitch) {
            block.SetWallSwitch(std::make_unique<TTestFixture>(TActerKind::WallSwitch, dac_Press));
        }
        if (c.guest) {
            block.SetGuest(&person);
        }
        EXPECT_EQ(block.ActionFrom(DW_North), c.action) << c.what;
        EXPECT_EQ(block.CursorActionFrom(DW_North), c.action) << c.what;
    }
}

TEST(DungBlockQueries, TheTalkPartnerIsTheGuestsElseTheWallObjectsAskedTheSameWay) {
    // Stand-ins for two talk depots; only their addresses are compared.
    std::array<std::uint8_t, 2> depots{};
    TTalkDepot* const personTalk = reinterpret_cast<TTalkDepot*>(&depots[0]);
    TTalkDepot* const counterTalk = reinterpret_cast<TTalkDepot*>(&depots[1]);
    struct TCase {
        const char* what;
        bool guest;
        TTalkDepot* guestTalk;
        TTalkDepot* partner;
    };
    const TCase cases[] = {{"a person before the counter", true, personTalk, personTalk},
                           {"a silent guest hides the counter", true, nullptr, nullptr},
                           {"the counter alone", false, nullptr, counterTalk}};
    for (const TCase& c : cases) {
        TTestFixture guest(TActerKind::People);
        guest.talkPartner = c.guestTalk;
        TTestMap map({"."});
        TDungBlock& block = map.Block(0, 0);
        auto owned = std::make_unique<TTestFixture>(TActerKind::Counter);
        TTestFixture& counter = *owned;
        counter.talkPartner = counterTalk;
        block.SetWallObje(std::move(owned));
        if (c.guest) {
            block.SetGuest(&guest);
        }
        EXPECT_EQ(block.TalkPartnerFrom(DW_West), c.partner) << c.what;
        EXPECT_EQ(c.guest ? guest.talkAskedFrom : counter.talkAskedFrom, DW_West) << c.what;
    }

    TTestMap empty({".."});
    auto wallSwitch = std::make_unique<TTestFixture>(TActerKind::WallSwitch, dac_Press);
    wallSwitch->talkPartner = counterTalk;
    empty.Block(1, 0).SetWallSwitch(std::move(wallSwitch));
    EXPECT_EQ(empty.Block(0, 0).TalkPartnerFrom(DW_North), nullptr);
    EXPECT_EQ(empty.Block(1, 0).TalkPartnerFrom(DW_North), nullptr) << "a switch does not talk";
}

TEST(DungBlockQueries, ADoorThatCannotTellWhetherItIsOpenIsAnErrorNotAWall) {
    TTestMap map({"."});
    TDungBlock& block = map.Block(0, 0);
    block.SetWallObje(std::make_unique<TTestFixture>(TActerKind::Door));
    EXPECT_EQ(GameErrorOf([&] { block.BlocksPassage(); }),
              Sjis("開閉を答えないアクターに開いているかを尋ねました"));
    EXPECT_EQ(GameErrorOf([&] { block.OpenDoor(); }),
              Sjis("開けられないアクターを開けようとしました"));
}

TEST(DungBlockQueries, AFloorThatRefusesOthersStillAdmitsWhenTheFloorIsIgnored) {
    TTestMap map({"."});
    auto owned = std::make_unique<TTestFloar>();
    TTestFloar& floar = *owned;
    map.Block(0, 0).SetFloarActer(std::move(owned));
    floar.othersMayEnter = false;
    EXPECT_FALSE(map.Block(0, 0).IsFree(false));
    EXPECT_TRUE(map.Block(0, 0).IsFree(true));
    EXPECT_TRUE(map.Block(0, 0).IsFreeForHero());
    floar.heroMayEnter = false;
    EXPECT_FALSE(map.Block(0, 0).IsFreeForHero());
}

TEST(DungBlockQueries, FloorKindsAndFairies) {
    TTestMap map({"..."});
    map.Block(0, 0).SetFloarActer(std::make_unique<TTestFloar>(TActerKind::FloarExit));
    map.Block(1, 0).SetFloarActer(std::make_unique<TTestFloar>(TActerKind::FloarForcedLV));
    map.Block(2, 0).SetFairy(std::make_unique<TTestFixture>(TActerKind::Angel));
    EXPECT_EQ(map.Block(0, 0).FloarKind(), 1);
    EXPECT_EQ(map.Block(1, 0).FloarKind(), 2);
    EXPECT_EQ(map.Block(2, 0).FloarKind(), 0);
    EXPECT_TRUE(map.Block(2, 0).HasFairy());
    EXPECT_FALSE(map.Block(0, 0).HasFairy());
    int x = -1;
    int y = -1;
    EXPECT_EQ(map.Block(2, 0).ExitDestination(3, x, y), 0);
}

TEST(DungBlockGuests, AWalkSeenFromAThirdActor) {
    TTestMap map({"..."});
    TDungBlock& from = map.Block(0, 0);
    TDungBlock& to = map.Block(1, 0);
    TTestFighter& walker = map.PlaceEnemy(0, 0, DW_East);

    to.ReserveGuest(&walker);
    from.LeaveGuest();
    EXPECT_TRUE(from.IsFree(false));
    EXPECT_FALSE(to.IsFree(false));
    EXPECT_EQ(from.GetLeavingGuest(), &walker);
    EXPECT_EQ(to.GetGuest(), nullptr);

    from.ClearLeaving();
    to.ArriveGuest();
    EXPECT_EQ(from.GetLeavingGuest(), nullptr);
    EXPECT_EQ(to.GetGuest(), &walker);
    EXPECT_EQ(to.GetArrivingGuest(), nullptr);
    EXPECT_FALSE(to.IsFree(false));
}

TEST(DungBlockGuests, OnlyTheHeroineArrivingWakesTheFloor) {
    TTestMap map({"...."});
    auto owned = std::make_unique<TTestFloar>();
    TTestFloar& floar = *owned;
    map.Block(1, 0).SetFloarActer(std::move(owned));
    TTestFighter& enemy = map.PlaceEnemy(0, 0, DW_East);
    TTestFighter& hero = map.PlaceHero(3, 0, DW_West);

    map.Block(1, 0).ReserveGuest(&enemy);
    map.Block(1, 0).ArriveGuest();
    EXPECT_EQ(floar.heroArrivals, 0);
    map.Block(1, 0).ClearGuest();
    map.Block(1, 0).ReserveGuest(&hero);
    EXPECT_EQ(floar.heroArrivals, 0);
    map.Block(1, 0).ArriveGuest();
    EXPECT_EQ(floar.heroArrivals, 1);
}

TEST(DungBlockFixtures, SettingUpPlacesTheBlockAndItsWall) {
    TDungBlock block;
    auto owned = std::make_unique<TTestFixture>(TActerKind::DungWall);
    TTestFixture& wall = *owned;
    block.SetUpBlock(3, 2, std::move(owned), std::make_unique<TTestFixture>(TActerKind::Other));
    EXPECT_EQ(wall.GetBlock(), &block);
    EXPECT_EQ(block.Count(), 2);
    EXPECT_NE(block.GetFloarTile(), nullptr);
    EXPECT_FLOAT_EQ(block.GetMat().GetOneMat().At(3, 0), 6.0f);
    EXPECT_FLOAT_EQ(block.GetMat().GetOneMat().At(3, 2), -4.0f);
    EXPECT_EQ(block.GetWorldPos(), std::make_pair(6.0f, -4.0f));
}

TEST(DungBlockFixtures, EverySlotRefusesASecondFixture) {
    TTestMap map({"."});
    TDungBlock& block = map.Block(0, 0);
    auto firstItem = TestItemActer(FloorItemRecord(BI_Key, 1));
    TItemActer* first = firstItem.get();
    block.SetItem(std::move(firstItem));
    EXPECT_EQ(GameErrorOf([&] { block.SetItem(TestItemActer(FloorItemRecord(BI_Key, 2))); }),
              Sjis("アイテム二重セットエラー"));
    EXPECT_EQ(block.GetItem(), first);
    EXPECT_EQ(block.Count(), 1);

    block.SetWallObje(std::make_unique<TTestFixture>(TActerKind::DungWall));
    EXPECT_EQ(GameErrorOf(
                  [&] { block.SetWallObje(std::make_unique<TTestFixture>(TActerKind::DungWall)); }),
              Sjis("壁物体二重セットエラー"));
    block.SetWallSwitch(std::make_unique<TTestFixture>(TActerKind::WallSwitch));
    EXPECT_EQ(GameErrorOf([&] {
                  block.SetWallSwitch(std::make_unique<TTestFixture>(TActerKind::WallSwitch));
              }),
              Sjis("壁スイッチ二重セットエラー"));
    block.SetFloarActer(std::make_unique<TTestFloar>());
    EXPECT_EQ(GameErrorOf([&] { block.SetFloarActer(std::make_unique<TTestFloar>()); }),
              Sjis("床二重セットエラー"));
}

TEST(DungBlockFixtures, AGuestOrAFairySetTwiceRaisesABareText) {
    TTestMap map({".."});
    TDungBlock& block = map.Block(0, 0);
    map.PlaceEnemy(0, 0, DW_North);
    TTestFighter& other = map.PlaceEnemy(1, 0, DW_North);
    EXPECT_EQ(BareTextOf([&] { block.SetGuest(&other); }),
              Sjis("ゲストダンジョンアクターの二重セット"));
    block.SetFairy(std::make_unique<TTestFixture>(TActerKind::Angel));
    EXPECT_EQ(
        BareTextOf([&] { block.SetFairy(std::make_unique<TTestFixture>(TActerKind::Angel)); }),
        Sjis("妖精の二重セット"));
}

TEST(DungBlockActions, OpeningNeedsADoorOrAChest) {
    TTestMap map({".", "B", "D"});
    EXPECT_EQ(GameErrorOf([&] { map.Block(0, 0).OpenDoor(); }), Sjis("ドアを開ける処理エラー"));
    EXPECT_EQ(GameErrorOf([&] { map.Block(0, 1).OpenDoor(); }), Sjis("ドアを開ける処理エラー"));
    EXPECT_EQ(GameErrorOf([&] { map.Block(0, 0).OpenBox(); }), Sjis("宝箱を開ける処理エラー"));
    EXPECT_EQ(GameErrorOf([&] { map.Block(0, 2).OpenBox(); }), Sjis("宝箱を開ける処理エラー"));
    EXPECT_EQ(map.Block(0, 1).OpenBox(), 5);
}

TEST(DungBlockActions, TakingTheItemOrTheFairyForgetsItsRecord) {
    TTestMap map({"."});
    TDungBlock& block = map.Block(0, 0);
    auto item = TestItemActer(FloorItemRecord(BI_Key, 1));
    const std::uint8_t* itemRecord = item->GetRecord();
    auto fairy = std::make_unique<TTestFixture>(TActerKind::Angel);
    const std::uint8_t* fairyRecord = fairy->GetRecord();
    block.SetItem(std::move(item));
    block.SetFairy(std::move(fairy));

    block.DeleteItem();
    block.DeleteFairy();
    EXPECT_EQ(block.GetItem(), nullptr);
    EXPECT_EQ(block.GetFairy(), nullptr);
    EXPECT_EQ(block.Count(), 0);
    EXPECT_EQ(map.forgottenItems, (std::vector<const std::uint8_t*>{itemRecord}));
    EXPECT_EQ(map.forgottenObjects, (std::vector<const std::uint8_t*>{fairyRecord}));
}

TEST(DungBlockActions, TakingAnItemOrAFairyWhereNoRecordIsKeptIsAnError) {
    TTestMap village({"."}, true);
    TDungBlock& block = village.Block(0, 0);
    block.SetItem(TestItemActer(FloorItemRecord(BI_Key, 1)));
    block.SetFairy(std::make_unique<TTestFixture>(TActerKind::Angel));
    EXPECT_EQ(GameErrorOf([&] { block.DeleteItem(); }),
              Sjis("床のアイテムの記録がないマップでアイテムを取りました"));
    EXPECT_EQ(GameErrorOf([&] { block.DeleteFairy(); }),
              Sjis("妖精と力の記録がないマップで妖精か力の記録を消そうとしました"));
    EXPECT_NE(block.GetItem(), nullptr) << "nothing is taken that would come back after a load";
    EXPECT_NE(block.GetFairy(), nullptr);
}

TEST(DungBlockActions, PressingReachesOnlyAWallSwitch) {
    TTestMap map({".", "."});
    auto owned = std::make_unique<TTestFixture>(TActerKind::WallSwitch, dac_Press);
    TTestFixture& wallSwitch = *owned;
    map.Block(0, 0).SetWallSwitch(std::move(owned));
    TTestFighter& hero = map.PlaceHero(0, 1, DW_North);
    map.Block(0, 0).PressWallSwitch(hero);
    map.Block(0, 1).PressWallSwitch(hero);
    EXPECT_EQ(wallSwitch.operated, 1);
}

} // namespace
