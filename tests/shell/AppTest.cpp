#include "shell/App.h"

#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/IniFile.h"
#include "platform/SingleInstanceRegistry.h"
#include "platform/SjisText.h"
#include "shell/Dungoperator.h"
#include "shell/FakeActiveMap.h"
#include "shell/Statusview.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "support/TestBundle.h"
#include "support/TestContent.h"
#include "village/Eventdata.h"
#include "village/Eventoperator.h"
#include "village/People.h"
#include "village/Peoplebase.h"
#include "village/Talk.h"
#include "world/Dungblock.h"
#include "world/Savemapping.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The real application controller assembled from the test platform over a
// game folder of the test content: no Qt, no display.
class HeadlessApp : public testing::Test {
protected:
    HeadlessApp() { InstallTestContent(folder.Path()); }

    TTempFolder folder;
    TTestPlatform platform;
    TFakeMainWindow mainWindow;
};

TEST_F(HeadlessApp, MakesTheProgramObjectsInOrderRunsStepsAndReleasesThemAll) {
    {
        TIniFile ini("Tessarine.ini");
        ini.WriteInteger(Sjis("スレッド"), Sjis("割り込みレベル"), 2);
        ini.Save();
    }
    {
        TApp app(mainWindow, platform.Bundle(), "Tessarine.ini");
        EXPECT_EQ(app.ThreadLevel(), 2);
        EXPECT_EQ(
            SingleInstanceRegistry::Alive(),
            (std::vector<std::string>{
                "IMessageSeam",    "TRandomSource",   "TDX7Factory",      "CD3DTextureManager",
                "TObjeFactory",    "TActerFactory",   "TWallObjeFactory", "TFloarTileFactory",
                "TEnemyFactory",   "TDungActFactory", "THerosBase",       "IGameWindow",
                "TThr_Game",       "IEntranceScreen", "IEquipScreen",     "TPeopleBase",
                "TActiveMapProxy", "IFighterStatus",  "IAutoMapping",     "TTalkOperator",
                "TEventOperator",  "TMouseCurOpe",    "TAreaOperator",    "TSave"}));
        EXPECT_EQ(&THerosBase::Instance().GetHero().View(),
                  static_cast<IHeroView*>(&app.DungOperator().StatusView()))
            << "what the heroine shows goes to the status view";
        EXPECT_EQ(mainWindow.calls, "dialogs ");

        TFakeActiveMap* map = nullptr;
        app.DungOperator().EnterScene(
            [&map] {
                auto made = std::make_unique<TFakeActiveMap>(1);
                map = made.get();
                return made;
            },
            THeroWhereabouts::Village);
        EXPECT_EQ(TActiveMapProxy::Instance().GetMap(), map);
        EXPECT_EQ(platform.gameWindow->caption, Sjis("酒場"));
        EXPECT_FALSE(mainWindow.retryEnabled);

        // Every pass is one step on time: the clock moves by what it waited.
        for (int pass = 0; pass < 5; ++pass) {
            const auto wait = platform.thread->RunPass();
            ASSERT_TRUE(wait.has_value());
            EXPECT_EQ(*wait, 80u);
            platform.clock->Advance(*wait);
        }
        EXPECT_EQ(map->updates, 5);

        app.DungOperator().ShowEntrance();
        EXPECT_EQ(TActiveMapProxy::Instance().GetMap(), nullptr);
        EXPECT_FALSE(platform.thread->RunPass().has_value()) << "no map, no steps";
    }
    EXPECT_TRUE(SingleInstanceRegistry::Alive().empty());
    const TIniFile written("Tessarine.ini");
    EXPECT_EQ(written.ReadInteger(Sjis("スレッド"), Sjis("割り込みレベル"), -100), 2);
}

TEST_F(HeadlessApp, QuestionsGoThroughTheSeamOfThePlatform) {
    platform.answers = {AnswerNo, AnswerYes};
    TApp app(mainWindow, platform.Bundle(), "Tessarine.ini");
    app.DungOperator().EnterScene([] { return std::make_unique<TFakeActiveMap>(0); },
                                  THeroWhereabouts::Village);
    app.StartCommand();
    EXPECT_TRUE(platform.gameWindow->HasWindow()) << "いいえ keeps the game";
    app.StartCommand();
    EXPECT_FALSE(platform.gameWindow->HasWindow());
    EXPECT_TRUE(mainWindow.titleOpen);
    EXPECT_EQ(platform.seam->questions,
              (std::vector<std::string>(2, Sjis("ゲームを終了しますか？"))));
}

TEST_F(HeadlessApp, TreasureBroughtBackMovesTheStoryOn) {
    TApp app(mainWindow, platform.Bundle(), "Tessarine.ini");
    TEventOperator& events = TEventOperator::Instance();
    EXPECT_FALSE(events.IsAreaOpen(1));
    app.DungOperator().TreasureBroughtBack(1, 1);
    EXPECT_EQ(events.StoryStage(), 1);
    // Stage 1's script of the test content reaches the people and the heroine.
    EXPECT_TRUE(events.IsAreaOpen(1));
    EXPECT_EQ(TPeopleBase::Instance().GetPerson(7).Talks().GetTalkNo(), 3u);
    EXPECT_EQ(THerosBase::Instance().GetHero().ItemCount(), 1u);
}

TEST_F(HeadlessApp, ANewGameStartsInTheVillageSquareAndAnEscapeFromADungeonEndsThere) {
    TApp app(mainWindow, platform.Bundle(), "Tessarine.ini");
    app.NewGame();
    TDungOperator& game = app.DungOperator();
    ASSERT_NE(game.ActiveMap(), nullptr);
    EXPECT_TRUE(game.ActiveMap()->IsVillage());
    EXPECT_EQ(game.ActiveMap()->GetNumber(), 0);
    EXPECT_EQ(game.Whereabouts(), THeroWhereabouts::Village);
    EXPECT_EQ(platform.gameWindow->caption, Sjis("ルメナ村"));
    EXPECT_EQ(game.MapState(), msWaitInput);
    EXPECT_EQ(platform.thread->RunPass(), 80u) << "the loop runs on the village";

    game.EnterDungeon(0, false);
    ASSERT_NE(game.ActiveMap(), nullptr);
    EXPECT_FALSE(game.ActiveMap()->IsVillage());
    EXPECT_EQ(game.Whereabouts(), THeroWhereabouts::Dungeon);
    EXPECT_TRUE(mainWindow.retryEnabled);
    EXPECT_NE(platform.gameWindow->caption.find(Sjis(" 地下 ")), std::string::npos);

    game.EscapeDungeon();
    ASSERT_NE(game.ActiveMap(), nullptr);
    EXPECT_TRUE(game.ActiveMap()->IsVillage());
    EXPECT_EQ(game.ActiveMap()->GetNumber(), 0);
    EXPECT_EQ(game.Whereabouts(), THeroWhereabouts::Village);
    EXPECT_FALSE(mainWindow.retryEnabled);
}

TEST_F(HeadlessApp, TheSeenSquaresOutliveADungeonVisitAndANewGameForgetsThem) {
    TApp app(mainWindow, platform.Bundle(), "Tessarine.ini");
    TDungOperator& game = app.DungOperator();
    TFloarClear& firstFloor = game.SeenSquares().Floar(0, 0);
    game.EnterDungeon(0, false);
    firstFloor.MarkSeen(0, 0);
    game.EscapeDungeon();
    EXPECT_TRUE(firstFloor.IsSeen(0, 0));
    app.NewGame();
    EXPECT_FALSE(firstFloor.IsSeen(0, 0));
}

TEST_F(HeadlessApp, TheAutomapDrawsHerSurroundingsOnEntryAndShowsFromTheSecondStoryStage) {
    {
        // A story long enough to reach its second stage.
        std::vector<TEvent> events = LoadEventData();
        events.resize(3);
        TDataWriter writer;
        WriteEventData(writer, events);
        writer.SaveTo(EventDataFile);
    }
    TApp app(mainWindow, platform.Bundle(), "Tessarine.ini");
    TDungOperator& game = app.DungOperator();
    game.EnterDungeon(0, false);
    EXPECT_FALSE(platform.gameWindow->automapShown);
    const TDungBlock& at = *THerosBase::Instance().GetHero().GetBlock();
    EXPECT_TRUE(game.SeenSquares()
                    .Floar(0, game.ActiveMap()->GetNumber() - 1)
                    .IsSeen(at.GetX() + 1, at.GetY() + 1));
    EXPECT_EQ(platform.gameWindow->automapPicture.TileAt(at.GetX(), at.GetY()), 0);

    // A click on a seen square looks at the enemy standing there; on a
    // square not seen, at nothing.
    const auto& status = static_cast<const TStatusView&>(IFighterStatus::Instance());
    const TDungBlock& beside = *game.ActiveMap()->BlockAt(at.GetX() + 1, at.GetY());
    ASSERT_NE(beside.GetGuest(), nullptr) << "the cave's first enemy stands beside her";
    platform.gameWindow->AutomapPressed(at.GetX() * 5 + 9, at.GetY() * 5 + 4);
    EXPECT_EQ(static_cast<const IDungActer*>(status.ShownEnemy()), beside.GetGuest());
    platform.gameWindow->ClearCommand();
    platform.gameWindow->AutomapPressed(299, 249);
    EXPECT_EQ(status.ShownEnemy(), nullptr);

    game.EscapeDungeon();
    TDataReader stageTwo = ReaderOf("Save/Save1", TBytes().U8(2).Repeat(0, 20).Bytes());
    TEventOperator::Instance().ReadEvents(stageTwo);
    game.EnterDungeon(0, false);
    EXPECT_TRUE(platform.gameWindow->automapShown);
}

TEST_F(HeadlessApp, AFactoryThatCannotReadItsDataLeavesNothingBehind) {
    for (const char* file : {"ObjeData", "EQData", "EnemyData", "FloarObje", "PeopleData",
                             "EventData", "DungData", "TownData", "AreaData"}) {
        TTempFolder game;
        InstallTestContent(game.Path());
        std::filesystem::remove(game.Path() / "Data" / file);
        EXPECT_ANY_THROW(TApp(mainWindow, platform.Bundle(), "Tessarine.ini")) << file;
        EXPECT_TRUE(SingleInstanceRegistry::Alive().empty()) << file;
    }
}

} // namespace
