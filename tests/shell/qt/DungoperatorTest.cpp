#include "shell/Dungoperator.h"

#include "activemap/Activemap.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/SjisText.h"
#include "shell/App.h"
#include "shell/FakeActiveMap.h"
#include "shell/Statusview.h"
#include "shell/Thr_game.h"
#include "shell/qt/Fm_dungeon.h"
#include "shell/qt/Gamecontrols.h"
#include "shell/qt/Px_formgame.h"
#include "shell/qt/Px_formmdi.h"
#include "shell/qt/ShellFixture.h"
#include "world/Dungblock.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

class DungOperator : public ShellTest {
protected:
    DungOperator() {
        OpenWindow();
        app = &window->Proxy().App();
        dungOperator = &app->DungOperator();
    }

    TFakeActiveMap& Enter(THeroWhereabouts whereabouts, int number = 1,
                          MapState_Type state = msWaitInput) {
        TFakeActiveMap* built = nullptr;
        dungOperator->EnterScene(
            [&] {
                auto map = std::make_unique<TFakeActiveMap>(number, state);
                built = map.get();
                return map;
            },
            whereabouts);
        return *built;
    }

    QAction* RetryItem() const {
        return Find(window->menuBar()->actions(), QStringLiteral("やり直し..."));
    }

    TApp* app = nullptr;
    TDungOperator* dungOperator = nullptr;
};

} // namespace

TEST_F(DungOperator, EnteringASceneShowsItAndRestartsTheLoopOnIt) {
    dungOperator->SetDungeonName(Sjis("風の洞窟"));
    TFakeActiveMap& map = Enter(THeroWhereabouts::Dungeon, 3);
    EXPECT_EQ(dungOperator->ActiveMap(), &map);
    TThr_Game& loop = TThr_Game::Instance();
    EXPECT_FALSE(loop.Suspended());
    EXPECT_EQ(loop.StepCount(), 0u);
    QMdiSubWindow* gameWindow = static_cast<TPX_FormGame&>(IGameWindow::Instance()).Window();
    ASSERT_NE(gameWindow, nullptr);
    EXPECT_EQ(gameWindow->windowTitle(), QStringLiteral("風の洞窟 地下 3階"));
    EXPECT_TRUE(RetryItem()->isEnabled()) << "retry is enabled in a dungeon";
    Enter(THeroWhereabouts::Village, 0);
    EXPECT_EQ(gameWindow->windowTitle(), QStringLiteral("ルメナ村"));
    EXPECT_FALSE(RetryItem()->isEnabled()) << "but not in the village";
}

TEST_F(DungOperator, ClearingTheSceneStopsTheLoopAndDropsTheMap) {
    Enter(THeroWhereabouts::Village, 0);
    dungOperator->ClearScene();
    EXPECT_TRUE(TThr_Game::Instance().Suspended());
    EXPECT_EQ(dungOperator->ActiveMap(), nullptr);
    EXPECT_EQ(dungOperator->MapState(), -1);
}

TEST_F(DungOperator, AFailedBuildLeavesNoMapAndTheLoopStopped) {
    Enter(THeroWhereabouts::Village, 0);
    EXPECT_THROW(dungOperator->EnterScene(
                     []() -> std::unique_ptr<IActiveMap> { throw std::runtime_error("data"); },
                     THeroWhereabouts::Dungeon),
                 std::runtime_error);
    EXPECT_EQ(dungOperator->ActiveMap(), nullptr);
    EXPECT_TRUE(TThr_Game::Instance().Suspended());
}

TEST_F(DungOperator, GuardsFollowTheWhereaboutsTheMapStateAndTheWindow) {
    EXPECT_TRUE(dungOperator->CanStart()) << "no active map";
    EXPECT_TRUE(dungOperator->CanLoad());
    EXPECT_FALSE(dungOperator->CanSave()) << "no game window";
    struct TCase {
        THeroWhereabouts whereabouts;
        MapState_Type state;
        bool start;
        bool save;
    };
    const TCase cases[] = {{THeroWhereabouts::Village, msWaitInput, true, true},
                           {THeroWhereabouts::Dungeon, msWaitInput, true, true},
                           {THeroWhereabouts::Dungeon, msEnemyTurn, false, false},
                           {THeroWhereabouts::Dungeon, msHeroTurn, false, false},
                           {THeroWhereabouts::Entrance, msWaitInput, false, false}};
    for (const TCase& c : cases) {
        Enter(c.whereabouts, 1, c.state);
        EXPECT_EQ(dungOperator->CanStart(), c.start) << c.state;
        EXPECT_EQ(dungOperator->CanLoad(), c.start) << c.state;
        EXPECT_EQ(dungOperator->CanSave(), c.save) << c.state;
    }
    dungOperator->CloseGameWindow();
    Enter(THeroWhereabouts::Village, 0);
    dungOperator->CloseGameWindow();
    EXPECT_FALSE(dungOperator->CanSave()) << "the game window is closed";
}

TEST_F(DungOperator, VillageCaptionsByArea) {
    const std::pair<int, const char*> cases[] = {{0, "ルメナ村"},   {1, "酒場"}, {2, "村役場２階"},
                                                 {3, "村役場１階"}, {4, ""},     {-1, ""}};
    for (const auto& [area, caption] : cases) {
        Enter(THeroWhereabouts::Village, area);
        EXPECT_EQ(dungOperator->CaptionText(1), Sjis(caption)) << area;
    }
}

TEST_F(DungOperator, ClosingTheGameWindowStopsTheLoop) {
    Enter(THeroWhereabouts::Village, 0);
    EXPECT_TRUE(dungOperator->CloseGameWindow());
    EXPECT_TRUE(TThr_Game::Instance().Suspended());
    EXPECT_FALSE(dungOperator->CloseGameWindow()) << "no window left to close";
}

TEST_F(DungOperator, TheWindowClosedByThePlayerStopsTheLoopToo) {
    Enter(THeroWhereabouts::Village, 0);
    TPX_FormGame& proxy = static_cast<TPX_FormGame&>(IGameWindow::Instance());
    proxy.Window()->close();
    EXPECT_TRUE(TThr_Game::Instance().Suspended());
    EXPECT_FALSE(proxy.HasWindow());
}

TEST_F(DungOperator, StartDuringPlayAsksAndReturnsToTheTitleOnYes) {
    Enter(THeroWhereabouts::Village, 0);
    seam->answers = {AnswerNo, AnswerYes};
    app->StartCommand();
    EXPECT_FALSE(window->TitleOpen());
    EXPECT_FALSE(TThr_Game::Instance().Suspended()) << "answering no keeps the game running";
    app->StartCommand();
    EXPECT_TRUE(window->TitleOpen());
    EXPECT_TRUE(TThr_Game::Instance().Suspended());
    EXPECT_FALSE(RetryItem()->isEnabled());
    EXPECT_EQ(seam->questions, std::vector<std::string>(2, Sjis("ゲームを終了しますか？")));
}

TEST_F(DungOperator, StartDoesNothingAtTheEntranceOrDuringATurn) {
    for (const auto& [whereabouts, state] : {std::pair{THeroWhereabouts::Entrance, msWaitInput},
                                             std::pair{THeroWhereabouts::Dungeon, msHeroAction}}) {
        Enter(whereabouts, 1, state);
        app->StartCommand();
        EXPECT_TRUE(seam->questions.empty());
    }
}

TEST_F(DungOperator, RetryAsksOnlyInADungeonWhenSavingWouldBeAllowed) {
    app->RetryCommand();
    EXPECT_TRUE(seam->questions.empty()) << "no game window";
    Enter(THeroWhereabouts::Village, 0);
    app->Help(0);
    EXPECT_TRUE(seam->questions.empty()) << "nothing to escape from in the village";
    Enter(THeroWhereabouts::Dungeon, 1);
    app->Help(0);
    EXPECT_EQ(seam->questions, std::vector<std::string>{Sjis("脱出して村に戻りますか？")});
}

TEST_F(DungOperator, TheHeroineShowsHerValuesFromTheSceneEntryOnAndRemarksInTheGameWindow) {
    THero& hero = THerosBase::Instance().GetHero();
    EXPECT_EQ(&hero.View(), static_cast<IHeroView*>(&dungOperator->StatusView()));
    TDungBlock block;
    TSaveHero record;
    record.hp = 4;
    record.maxHp = 6;
    record.attack = 3;
    record.defence = 2;
    record.level = 2;
    record.next = 1;
    hero.PlaceHero(&block, record);
    Enter(THeroWhereabouts::Dungeon, 1);
    auto& proxy = static_cast<TPX_FormGame&>(IGameWindow::Instance());
    const auto text = [&](const char* label) {
        return proxy.Form()->findChild<QLabel*>(QString::fromLatin1(label))->text();
    };
    EXPECT_EQ(text("Label6"), QStringLiteral("4"));
    EXPECT_EQ(text("Label7"), QStringLiteral("6"));
    EXPECT_EQ(text("Label8"), QStringLiteral("3"));
    EXPECT_EQ(text("Label9"), QStringLiteral("2"));
    EXPECT_EQ(text("Label10"), QStringLiteral("2"));
    EXPECT_EQ(text("Label23"), QStringLiteral("1"));
    record.next = 0;
    hero.View().UpdateNext(hero);
    EXPECT_EQ(text("Label23"), QStringLiteral("0"));

    proxy.ShowRemark(Sjis("銅の剣 を手に入れた"));
    EXPECT_TRUE(proxy.Form()->Panel5()->isVisibleTo(proxy.Form()));
    EXPECT_EQ(proxy.Form()->Panel5()->text(), QStringLiteral("銅の剣 を手に入れた"));
    proxy.ShowRemark({});
    EXPECT_FALSE(proxy.Form()->Panel5()->isVisibleTo(proxy.Form()));

    dungOperator->CloseGameWindow();
    proxy.ShowRemark(Sjis("だれも見ていない"));
    EXPECT_EQ(proxy.Form(), nullptr) << "without a window nothing is shown";
}
